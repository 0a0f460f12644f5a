// Reference tables of the demo data: geography, banks, CNAE, countries, and the fixed lookup tables.

#include "server/schema/schema.h"
#include "server/seed/check_digits.h"
#include "server/seed/fixed_tables.h"
#include "server/seed/generator.h"
#include "server/seed/reference_data.h"
#include "server/seed/text_fit.h"

#include <charconv>
#include <stdexcept>

namespace vq::seed {

namespace {

std::vector<std::string> splitColumns(std::string_view columns) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const auto comma = columns.find(',', start);
        out.emplace_back(columns.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return out;
        start = comma + 1;
    }
}

// A text cell as the column's kind.
Variant typed(const FieldDesc& field, const std::string& text) {
    if (text.empty())
        return Variant();
    switch (field.type) {
    case FieldType::Integer:
    case FieldType::SmallInt: {
        std::int64_t v = 0;
        std::from_chars(text.data(), text.data() + text.size(), v);
        return Variant(v);
    }
    case FieldType::Float:
        return Variant(std::stod(text));
    default:
        return Variant(text);
    }
}

void emitFixed(RowSink& sink, const FixedTable& t) {
    auto columns = splitColumns(t.columns);
    std::vector<FieldDesc> fields;
    for (const auto& c : columns)
        fields.push_back(schema::schemaField(t.table, c));
    sink.beginTable(t.table, columns);
    for (std::size_t r = 0; r + columns.size() <= t.cells.size(); r += columns.size()) {
        Row row;
        for (std::size_t i = 0; i < columns.size(); ++i)
            row.push_back(typed(fields[i], expandCell(t.cells[r + i])));
        sink.row(std::move(row));
    }
    sink.endTable();
}

void emitGeography(RowSink& sink) {
    sink.beginTable("PAIS", {"CDPAIS", "NMPAIS", "SGPAISISO", "CDPAISBACEN"});
    for (const auto& c : loadCountries())
        // Brazil's code in the central bank's country table is public and fixed; the others are left empty.
        sink.row({Variant(c.code), Variant(fitName(c.name, 30)), Variant(c.iso2),
                  c.iso2 == "BR" ? Variant("1058") : Variant()});
    sink.endTable();

    sink.beginTable("ESTADO", {"CDPAIS", "SGESTADO", "NMESTADO", "CDIBGEUF"});
    for (const auto& s : loadStates())
        sink.row({Variant(kBrazil), Variant(s.sigla), Variant(fitName(s.name, 30)), Variant(s.ibge)});
    sink.endTable();

    sink.beginTable("MUNICIPIO", {"CDPAIS", "SGESTADO", "CDMUNICIPIO", "NMMUNICIPIO", "CDIBGE"});
    for (const auto& m : loadMunicipalities())
        sink.row({Variant(kBrazil), Variant(m.uf), Variant(m.code), Variant(fitName(m.name, 30)),
                  Variant(m.ibge)});
    sink.endTable();
}

// The account-number masks of the demo company's banks; the other banks have none.
struct BankPicture {
    std::string_view bank, picture;
};
constexpr BankPicture kBankPictures[] = {
    {"001", "99999-9"}, {"237", "99999-9"}, {"341", "9999-99"}, {"104", "999.999"}, {"033", "99.999-9"},
};

Variant bankPicture(std::string_view bank) {
    for (const BankPicture& p : kBankPictures)
        if (p.bank == bank)
            return Variant(std::string(p.picture));
    return Variant();
}

void emitBanksAndCnae(RowSink& sink) {
    sink.beginTable("BANCO", {"CDBANCO", "NMBANCO", "CDPICTCONT"});
    for (const auto& b : loadBanks())
        sink.row({Variant(b.code), Variant(fitName(b.name, 30)), bankPicture(b.code)});
    sink.endTable();

    const std::size_t size = static_cast<std::size_t>(schema::schemaField("CNAE", "DSCNAE").size);
    sink.beginTable("CNAE", {"CDCNAE", "DSCNAE"});
    for (const auto& c : loadCnae())
        sink.row({Variant(c.subclass), Variant(fitName(c.description, size))});
    sink.endTable();
}

} // namespace

std::string expandCell(std::string_view cell) {
    constexpr std::string_view kCnpj = "cnpj:";
    if (cell.starts_with(kCnpj))
        return cnpjWithCheckDigits(cell.substr(kCnpj.size()));
    return std::string(cell);
}

void generateReference(RowSink& sink) {
    emitGeography(sink);
    emitBanksAndCnae(sink);
    for (const auto& t : fixedTables())
        emitFixed(sink, t);
}

} // namespace vq::seed
