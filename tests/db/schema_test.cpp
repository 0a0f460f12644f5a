#include "platform/data/error.h"
#include "server/schema/ddl.h"
#include "server/schema/schema.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

using namespace vq;
using namespace vq::schema;

namespace {
bool isUpperName(std::string_view name) {
    if (name.empty() || !(name[0] >= 'A' && name[0] <= 'Z'))
        return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}
} // namespace

TEST(Schema, DeclaresTheTablesTheModuleReadsAndWrites) {
    for (const char* name :
         {"CLIENTE",      "ENDECLIE",     "INTECLIE",     "CORINTECLI",   "TIPOCORR",    "OBSERVCLIE",
          "OPERADOR",     "PRAZOPGTCLIE", "BANCOPREF",    "BANCO",        "CONTCORR",    "PRECOBASE",
          "PRECOBASECLI", "INDICE",       "MENSAGEM",     "CONTCTBL",     "VENDEDOR",    "PAIS",
          "ESTADO",       "MUNICIPIO",    "BAIRRO",       "EMPRESA",      "INSCRESTAD",  "INSCRMUNICIP",
          "SERIENF",      "FORMPGTO",     "MODPGTO",      "SEGMERCADO",   "ATIVCLIENTE", "PROSPECT",
          "LAYOUTIMP",    "SOCIOCLIE",    "VENDADICCLIE", "TRANSCLIEPED", "EMAILCLIFIL", "SCHEMA_VERSION"})
        EXPECT_NE(findTable(name), nullptr) << name;
}

TEST(Schema, NamesAreWellFormedUniqueAndKeyed) {
    std::set<std::string_view> tableNames, indexNames;
    for (const Table& t : tables()) {
        EXPECT_TRUE(isUpperName(t.name)) << t.name;
        EXPECT_TRUE(tableNames.insert(t.name).second) << "tabela repetida " << t.name;
        std::set<std::string_view> columns;
        bool keyed = false;
        for (const Column& c : t.columns) {
            EXPECT_TRUE(isUpperName(c.name)) << t.name << "." << c.name;
            EXPECT_TRUE(columns.insert(c.name).second) << "coluna repetida " << t.name << "." << c.name;
            EXPECT_EQ(c.type == ColumnType::String, c.size > 0) << t.name << "." << c.name;
            keyed = keyed || c.key();
        }
        EXPECT_TRUE(keyed) << t.name << " sem chave primária";
    }
    for (const Index& i : indexes()) {
        EXPECT_TRUE(indexNames.insert(i.name).second) << "índice repetido " << i.name;
        const Table* t = findTable(i.table);
        ASSERT_NE(t, nullptr) << i.name;
        std::stringstream cols{std::string(i.columns)};
        for (std::string col; std::getline(cols, col, ',');)
            EXPECT_NE(findColumn(*t, col), nullptr) << i.name << ": " << col;
    }
}

// A result column is described by its name alone, so a name must mean one type and size everywhere.
TEST(Schema, AColumnNameHasOneTypeAndSizeInEveryTable) {
    std::map<std::string_view, std::pair<const Table*, const Column*>> first;
    for (const Table& t : tables())
        for (const Column& c : t.columns) {
            const auto [it, inserted] = first.emplace(c.name, std::make_pair(&t, &c));
            if (inserted)
                continue;
            const Column& other = *it->second.second;
            EXPECT_TRUE(other.type == c.type && other.size == c.size)
                << c.name << " difere entre " << it->second.first->name << " e " << t.name;
        }
}

TEST(Schema, FieldsCarryExactSizes) {
    EXPECT_EQ(schemaField("CLIENTE", "CDCLIENTE"), (FieldDesc{"CDCLIENTE", FieldType::String, 21}));
    EXPECT_EQ(schemaField("cliente", "nmrazsocclie").size, 100);
    EXPECT_EQ(schemaField("MUNICIPIO", "CDMUNICIPIO").size, 4);
    EXPECT_EQ(schemaField("MUNICIPIO", "CDIBGE").size, 7);
    EXPECT_EQ(schemaField("OBSERVCLIE", "DTHROBSCLIE").type, FieldType::DateTime);
    EXPECT_EQ(schemaField("OBSERVCLIE", "DSOBSERVCLIE").type, FieldType::Blob);
    EXPECT_EQ(schemaField("PRAZOPGTCLIE", "VRPERCPGTOCL").type, FieldType::Float);
    EXPECT_THROW(schemaField("CLIENTE", "NMRAZSOCVEN"), Error); // a joined description, not a column
    EXPECT_FALSE(findSchemaField("NAOEXISTE", "X"));
    EXPECT_EQ(columnField("NMRAZSOCVEN")->size, 50);
    EXPECT_FALSE(columnField("NRREG"));
    EXPECT_EQ(fieldResolver()("DSEMAILDANFEBOL")->size, 4000);
}

TEST(Schema, DdlEnforcesSizesOnBothDatabases) {
    const Table& t = *findTable("PRECOBASECLI");
    EXPECT_EQ(createTableSql(t, vq::db::Dialect::SQLite),
              "CREATE TABLE IF NOT EXISTS PRECOBASECLI (\n"
              "  CDCLIENTE VARCHAR(21) NOT NULL CHECK (length(CDCLIENTE) <= 21),\n"
              "  CDPRECOBASE VARCHAR(2) NOT NULL CHECK (length(CDPRECOBASE) <= 2),\n"
              "  IDPRBASEPRIN VARCHAR(1) CHECK (length(IDPRBASEPRIN) <= 1),\n"
              "  CONSTRAINT PK_PRECOBASECLI PRIMARY KEY (CDCLIENTE, CDPRECOBASE)\n"
              ")");
    const std::string pg = createTableSql(*findTable("OBSERVCLIE"), vq::db::Dialect::PostgreSQL);
    EXPECT_NE(pg.find("DTHROBSCLIE TIMESTAMP(3) NOT NULL"), std::string::npos) << pg;
    EXPECT_NE(pg.find("DSOBSERVCLIE TEXT"), std::string::npos) << pg;
    EXPECT_EQ(pg.find("CHECK"), std::string::npos) << pg;
}
