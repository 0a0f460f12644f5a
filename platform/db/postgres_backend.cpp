#include "platform/db/postgres_backend.h"

#include "platform/data/log.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_value.h"
#include "platform/db/statement_cache.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <libpq-fe.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vq::db::detail {

namespace {

// Type OIDs of the built-in types we read (pg_type.dat).
enum Oid : unsigned {
    kBool = 16,
    kBytea = 17,
    kInt8 = 20,
    kInt2 = 21,
    kInt4 = 23,
    kOid = 26,
    kFloat4 = 700,
    kFloat8 = 701,
    kBpchar = 1042,
    kVarchar = 1043,
    kDate = 1082,
    kTime = 1083,
    kTimestamp = 1114,
    kTimestampTz = 1184,
    kNumeric = 1700
};

struct ResultDeleter {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

DbErrorKind kindOf(std::string_view state) {
    if (state == "23505")
        return DbErrorKind::UniqueViolation;
    if (state == "23502")
        return DbErrorKind::NotNullViolation;
    if (state == "23514" || state == "22001")
        return DbErrorKind::CheckViolation;
    if (state == "40001" || state == "40P01" || state == "55P03")
        return DbErrorKind::Busy;
    if (state.substr(0, 2) == "08" || state.substr(0, 2) == "57")
        return DbErrorKind::Connection;
    return DbErrorKind::General;
}

[[noreturn]] void fail(PGconn* conn, const PGresult* res) {
    if (!res || PQstatus(conn) == CONNECTION_BAD)
        throw DbError(DbErrorKind::Connection,
                      std::string("Erro do banco de dados (PostgreSQL): ") + PQerrorMessage(conn));
    const char* state = PQresultErrorField(res, PG_DIAG_SQLSTATE);
    const char* primary = PQresultErrorField(res, PG_DIAG_MESSAGE_PRIMARY);
    throw DbError(kindOf(state ? state : ""), std::string("Erro do banco de dados (PostgreSQL): ") +
                                                  (primary ? primary : PQresultErrorMessage(res)));
}

std::string hexOf(const std::string& data) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\\x";
    out.reserve(2 + data.size() * 2);
    for (unsigned char c : data) {
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    }
    return out;
}

std::string bytesFromHex(std::string_view text) {
    auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    if (text.substr(0, 2) != "\\x" || text.size() % 2 != 0)
        throw DbError("Valor bytea em formato inesperado.");
    std::string out;
    out.reserve((text.size() - 2) / 2);
    for (std::size_t i = 2; i < text.size(); i += 2) {
        const int hi = nibble(text[i]), lo = nibble(text[i + 1]);
        if (hi < 0 || lo < 0)
            throw DbError("Valor bytea em formato inesperado.");
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

// The text form PostgreSQL reads for a parameter of unspecified type; nullopt for null.
std::optional<std::string> textParam(const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Null:
        return std::nullopt;
    case VariantKind::Bool:
        return std::string(v.toBool() ? "true" : "false");
    case VariantKind::Int:
        return std::to_string(v.toInt());
    case VariantKind::Double:
        return formatDouble(v.toDouble());
    case VariantKind::String:
        if (v.asString().find('\0') != std::string::npos)
            throw DbError(DbErrorKind::Refused,
                          "Texto com caractere nulo não pode ser gravado no PostgreSQL.");
        return v.asString();
    case VariantKind::DateTime:
        return formatTimestamp(v.toDateTime());
    case VariantKind::Bytes:
        return hexOf(v.toBytes().data);
    default:
        throw DbError(DbErrorKind::Refused, "Parâmetro de tipo " + std::string(variantKindName(v.kind())) +
                                                " não pode ser usado em SQL.");
    }
}

DriverColumn describe(const PGresult* res, int col) {
    DriverColumn c;
    c.name = upperAscii(PQfname(res, col));
    switch (PQftype(res, col)) {
    case kBool:
        c.type = FieldType::Boolean;
        break;
    case kBytea:
        c.type = FieldType::Blob;
        break;
    case kInt2:
        c.type = FieldType::SmallInt;
        break;
    case kInt4:
    case kInt8:
    case kOid:
        c.type = FieldType::Integer;
        break;
    case kFloat4:
    case kFloat8:
    case kNumeric:
        c.type = FieldType::Float;
        break;
    case kDate:
    case kTime:
    case kTimestamp:
    case kTimestampTz:
        c.type = FieldType::DateTime;
        break;
    case kBpchar:
    case kVarchar: {
        c.type = FieldType::String;
        const int mod = PQfmod(res, col);
        c.size = mod > 4 ? mod - 4 : 0;
        break;
    }
    default:
        c.type = FieldType::String; // text, name and anything else read as text
    }
    return c;
}

Variant read(const PGresult* res, int row, int col) {
    if (PQgetisnull(res, row, col))
        return Variant();
    const std::string_view text(PQgetvalue(res, row, col),
                                static_cast<std::size_t>(PQgetlength(res, row, col)));
    switch (PQftype(res, col)) {
    case kBool:
        return Variant(text == "t");
    case kInt2:
    case kInt4:
    case kInt8:
    case kOid: {
        std::int64_t i = 0;
        std::from_chars(text.data(), text.data() + text.size(), i);
        return Variant(i);
    }
    case kFloat4:
    case kFloat8:
    case kNumeric: {
        // from_chars, unlike strtod, ignores the process locale (a Qt host switches it to pt_BR); it also
        // reads NaN and Infinity.
        double d = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), d);
        if (r.ec == std::errc() && r.ptr == text.data() + text.size())
            return Variant(d);
        break;
    }
    case kTime:
        if (auto dt = parseTimestamp("1899-12-30 " + std::string(text)))
            return Variant(*dt);
        break;
    case kDate:
    case kTimestamp:
    case kTimestampTz:
        if (auto dt = parseTimestamp(text))
            return Variant(*dt);
        break;
    case kBytea:
        return Variant(Bytes{bytesFromHex(text)});
    default:
        break;
    }
    return Variant(std::string(text));
}

std::string sqlState(const PGresult* res) {
    const char* state = res ? PQresultErrorField(res, PG_DIAG_SQLSTATE) : nullptr;
    return state ? state : "";
}

// Data statements run as named prepared statements and the rest unnamed. Of the rest, anything but
// transaction control and settings (DDL, DO...) may change a table that prepared statements read.
bool isCachedKind(const std::string& keyword) {
    return keyword == "SELECT" || keyword == "INSERT" || keyword == "UPDATE" || keyword == "DELETE" ||
           keyword == "WITH" || keyword == "VALUES";
}
bool leavesSchemaAlone(const std::string& keyword) {
    static constexpr std::string_view kWords[] = {"BEGIN",     "START",   "COMMIT", "END",  "ROLLBACK",
                                                  "SAVEPOINT", "RELEASE", "SET",    "SHOW", "LOCK"};
    return std::find(std::begin(kWords), std::end(kWords), keyword) != std::end(kWords);
}

class PostgresBackend final : public Backend {
public:
    explicit PostgresBackend(PGconn* conn) : conn_(conn), serverPid_(PQbackendPID(conn)) {
        static constexpr const char* kSetup[] = {"SET client_encoding TO 'UTF8'",
                                                 "SET datestyle TO 'ISO, YMD'", "SET extra_float_digits TO 3",
                                                 "SET standard_conforming_strings TO on"};
        for (const char* sql : kSetup) {
            const Result res(PQexec(conn_, sql));
            if (!res || PQresultStatus(res.get()) != PGRES_COMMAND_OK)
                fail(conn_, res.get());
        }
    }

    Outcome run(const BoundSql& sql, const std::vector<const Variant*>& values, bool) override {
        std::vector<std::optional<std::string>> texts;
        texts.reserve(values.size());
        std::vector<const char*> pointers;
        pointers.reserve(values.size());
        for (const Variant* v : values)
            texts.push_back(textParam(*v));
        for (const auto& t : texts)
            pointers.push_back(t ? t->c_str() : nullptr);

        const std::string keyword = firstKeyword(sql.text);
        const Result res =
            isCachedKind(keyword) ? runPrepared(sql.text, pointers) : runUnnamed(sql.text, pointers);
        if (!isCachedKind(keyword) && !leavesSchemaAlone(keyword))
            forgetAll(true); // a result type may have changed: the server would refuse the old plans
        const ExecStatusType status = res ? PQresultStatus(res.get()) : PGRES_FATAL_ERROR;
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
            fail(conn_, res.get());

        Outcome out;
        const int columns = PQnfields(res.get());
        const int rows = PQntuples(res.get());
        for (int c = 0; c < columns; ++c)
            out.columns.push_back(describe(res.get(), c));
        out.rows.reserve(static_cast<std::size_t>(rows));
        for (int r = 0; r < rows; ++r) {
            Row row;
            row.reserve(static_cast<std::size_t>(columns));
            for (int c = 0; c < columns; ++c)
                row.push_back(read(res.get(), r, c));
            out.rows.push_back(std::move(row));
        }
        const char* tuples = PQcmdTuples(res.get());
        out.affected = columns == 0 && tuples && *tuples ? std::atoll(tuples) : 0;
        return out;
    }

    StatementStats statementStats() const override {
        StatementStats s = stats_;
        s.cached = cache_.size();
        return s;
    }

private:
    Result runUnnamed(const std::string& text, const std::vector<const char*>& values) {
        return Result(PQexecParams(conn_, text.c_str(), static_cast<int>(values.size()), nullptr,
                                   values.data(), nullptr, nullptr, 0));
    }

    // The text through its named statement, prepared on first use. The cache holds only statements the
    // server confirmed; one the server no longer has, or whose plan no longer fits the tables, leaves the
    // cache and, outside a transaction, is prepared again at once.
    Result runPrepared(const std::string& text, const std::vector<const char*>& values) {
        checkSession();
        const std::string* name = cache_.find(text);
        const bool reused = name != nullptr;
        if (!name)
            name = prepare(text, values.size());
        else
            ++stats_.reused;
        deallocateDoomed();
        Result res = execute(*name, values);
        const std::string state = sqlState(res.get());
        if (state == "26000" || state == "0A000") { // no such prepared statement; cached plan changed type
            forget(text, state == "0A000");
            if (reused && PQtransactionStatus(conn_) == PQTRANS_IDLE)
                res = execute(*prepare(text, values.size()), values);
        } else if (PQstatus(conn_) == CONNECTION_BAD) {
            forgetAll(false);
        }
        return res;
    }

    const std::string* prepare(const std::string& text, std::size_t params) {
        std::string name = "vq_" + std::to_string(++names_);
        const Result res(PQprepare(conn_, name.c_str(), text.c_str(), static_cast<int>(params), nullptr));
        if (!res || PQresultStatus(res.get()) != PGRES_COMMAND_OK) {
            if (PQstatus(conn_) == CONNECTION_BAD)
                forgetAll(false);
            fail(conn_, res.get());
        }
        ++stats_.prepared;
        std::vector<std::string> evicted;
        const std::string& added = cache_.insert(
            text, std::move(name), [](const std::string&) { return false; }, evicted);
        for (std::string& n : evicted)
            doomed_.push_back(std::move(n));
        return &added;
    }

    Result execute(const std::string& name, const std::vector<const char*>& values) {
        return Result(PQexecPrepared(conn_, name.c_str(), static_cast<int>(values.size()), values.data(),
                                     nullptr, nullptr, 0));
    }

    void forget(const std::string& text, bool deallocate) {
        for (std::string& n : cache_.erase(text))
            if (deallocate)
                doomed_.push_back(std::move(n));
    }

    // With `deallocate` the server still holds the statements; without, it lost them with the session.
    void forgetAll(bool deallocate) {
        for (std::string& n : cache_.clear())
            if (deallocate)
                doomed_.push_back(std::move(n));
        if (!deallocate)
            doomed_.clear();
    }

    // A new server session (libpq reset the connection) holds none of the statements.
    void checkSession() {
        const int pid = PQbackendPID(conn_);
        if (pid != serverPid_) {
            forgetAll(false);
            serverPid_ = pid;
        }
    }

    // Statements left out of the cache leave the server outside any transaction, where a failing
    // DEALLOCATE harms nothing.
    void deallocateDoomed() {
        if (doomed_.empty() || PQtransactionStatus(conn_) != PQTRANS_IDLE)
            return;
        std::string sql;
        for (const std::string& n : doomed_)
            sql += "DEALLOCATE " + n + ";";
        doomed_.clear();
        const Result res(PQexec(conn_, sql.c_str()));
        if (!res || PQresultStatus(res.get()) != PGRES_COMMAND_OK)
            log::warn(std::string("DEALLOCATE falhou no PostgreSQL: ") + PQerrorMessage(conn_));
    }

    PGconn* conn_;
    int serverPid_;
    StatementCache<std::string> cache_{kStatementCacheSize}; // text -> statement name
    std::vector<std::string> doomed_;                        // evicted, still on the server
    std::uint64_t names_ = 0;
    StatementStats stats_;
};

} // namespace

void requireUtf8Database(PGconn* connection, const std::string& display) {
    const char* reported = PQparameterStatus(connection, "server_encoding");
    const std::string encoding = reported ? reported : "desconhecida";
    if (encoding == "UTF8")
        return;
    log::error("banco " + display + " recusado: server_encoding " + encoding + ", o sistema exige UTF8");
    throw DbError(
        DbErrorKind::Refused,
        "O banco de dados " + display + " usa a codificação " + encoding +
            "; o sistema exige UTF8, para que os tamanhos dos campos contem caracteres e não bytes. "
            "Crie o banco com ENCODING 'UTF8'.");
}

std::string sociConnectString(const std::string& libpqTarget) {
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(libpqTarget.c_str(), &error);
    if (!options) {
        const std::string why = error ? error : "memória insuficiente";
        PQfreemem(error);
        throw DbError(DbErrorKind::Refused, "Endereço PostgreSQL inválido: " + why);
    }
    std::string out;
    std::string refused;
    for (PQconninfoOption* o = options; o->keyword; ++o) {
        if (!o->val || !*o->val)
            continue;
        const std::string_view value(o->val);
        if (value.find_first_of(" \t\n\r'\"\\") != std::string_view::npos)
            refused = o->keyword;
        out += (out.empty() ? "" : " ") + std::string(o->keyword) + "=" + std::string(value);
    }
    PQconninfoFree(options);
    if (!refused.empty())
        throw DbError(DbErrorKind::Refused,
                      "O valor de \"" + refused +
                          "\" no endereço PostgreSQL tem espaço, aspas ou barra invertida; "
                          "use ~/.pgpass ou PGPASSWORD para uma senha assim.");
    return out;
}

std::unique_ptr<Backend> makePostgresBackend(PGconn* connection) {
    return std::make_unique<PostgresBackend>(connection);
}

} // namespace vq::db::detail
