#include "platform/db/sqlite_backend.h"

#include "platform/db/db_error.h"
#include "platform/db/sql_value.h"
#include "platform/db/sqlite_functions.h"
#include "platform/db/statement_cache.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sqlite3.h>

namespace vq::db::detail {

namespace {

constexpr int kBusyTimeoutMs = 5000;

// SQLITE_TRANSIENT spelled without the C cast: SQLite copies the bytes before the call returns.
const sqlite3_destructor_type kCopy =
    reinterpret_cast<sqlite3_destructor_type>(static_cast<std::intptr_t>(-1));

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

DbErrorKind kindOf(int extended) {
    switch (extended) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return DbErrorKind::UniqueViolation;
    case SQLITE_CONSTRAINT_NOTNULL:
        return DbErrorKind::NotNullViolation;
    case SQLITE_CONSTRAINT_CHECK:
        return DbErrorKind::CheckViolation;
    default:
        break;
    }
    const int primary = extended & 0xFF;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return DbErrorKind::Busy;
    if (primary == SQLITE_CANTOPEN || primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
        return DbErrorKind::Connection;
    return DbErrorKind::General;
}

[[noreturn]] void fail(sqlite3* db) {
    throw DbError(kindOf(sqlite3_extended_errcode(db)),
                  std::string("Erro do banco de dados (SQLite): ") + sqlite3_errmsg(db));
}

// What the declared column type says; SQLite keeps it only for plain column references.
DriverColumn describe(sqlite3_stmt* st, int col) {
    DriverColumn c;
    const char* name = sqlite3_column_name(st, col);
    c.name = upperAscii(name ? name : "");
    const char* decl = sqlite3_column_decltype(st, col);
    if (!decl)
        return c;
    const std::string t = upperAscii(decl);
    auto has = [&](const char* part) { return t.find(part) != std::string::npos; };
    if (has("BOOL"))
        c.type = FieldType::Boolean;
    else if (has("DATE") || has("TIME"))
        c.type = FieldType::DateTime;
    else if (has("SMALLINT"))
        c.type = FieldType::SmallInt;
    else if (has("INT"))
        c.type = FieldType::Integer;
    else if (has("CHAR") || has("TEXT") || has("CLOB")) {
        c.type = FieldType::String;
        const auto open = t.find('(');
        if (open != std::string::npos)
            c.size = std::atoi(t.c_str() + open + 1);
    } else if (has("BLOB"))
        c.type = FieldType::Blob;
    else if (has("REAL") || has("FLOA") || has("DOUB") || has("NUMERIC") || has("DECIMAL"))
        c.type = FieldType::Float;
    return c;
}

Variant read(sqlite3_stmt* st, int col) {
    switch (sqlite3_column_type(st, col)) {
    case SQLITE_INTEGER:
        return Variant(static_cast<std::int64_t>(sqlite3_column_int64(st, col)));
    case SQLITE_FLOAT:
        return Variant(sqlite3_column_double(st, col));
    case SQLITE_TEXT: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
        return Variant(std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(st, col))));
    }
    case SQLITE_BLOB: {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(st, col));
        const auto n = static_cast<std::size_t>(sqlite3_column_bytes(st, col));
        return Variant(Bytes{p ? std::string(p, n) : std::string()});
    }
    default:
        return Variant();
    }
}

void bind(sqlite3* db, sqlite3_stmt* st, int index, const Variant& v) {
    int rc = SQLITE_OK;
    switch (v.kind()) {
    case VariantKind::Null:
        rc = sqlite3_bind_null(st, index);
        break;
    case VariantKind::Bool:
        rc = sqlite3_bind_int(st, index, v.toBool() ? 1 : 0);
        break;
    case VariantKind::Int:
        rc = sqlite3_bind_int64(st, index, v.toInt());
        break;
    case VariantKind::Double: {
        // A whole number binds as an integer so that it compares equal to the same digits in a text column
        // ("123" rather than "123.0"); numeric columns convert it back.
        const double d = v.toDouble();
        if (std::trunc(d) == d && std::fabs(d) < 9.0e15)
            rc = sqlite3_bind_int64(st, index, static_cast<sqlite3_int64>(d));
        else
            rc = sqlite3_bind_double(st, index, d);
        break;
    }
    case VariantKind::String:
        rc = sqlite3_bind_text64(st, index, v.asString().data(), v.asString().size(), kCopy, SQLITE_UTF8);
        break;
    case VariantKind::DateTime: {
        const std::string text = formatTimestamp(v.toDateTime());
        rc = sqlite3_bind_text64(st, index, text.data(), text.size(), kCopy, SQLITE_UTF8);
        break;
    }
    case VariantKind::Bytes: {
        const std::string& data = v.toBytes().data;
        rc = sqlite3_bind_blob64(st, index, data.data(), data.size(), kCopy);
        break;
    }
    default:
        throw DbError(DbErrorKind::Refused, "Parâmetro de tipo " + std::string(variantKindName(v.kind())) +
                                                " não pode ser usado em SQL.");
    }
    if (rc != SQLITE_OK)
        fail(db);
}

// A cached statement; `inUse` while a run or an `each` reads it, so that it is never reset or finalized
// under a reader.
struct Cached {
    Statement statement;
    bool inUse = false;
};

// One use of a statement, cached or (when the cached one is in use further up the stack) private. Ending
// the use resets it, also after a failure mid-way, so it can run again; a private one is finalized.
class Lease {
public:
    explicit Lease(Cached& cached) : st_(cached.statement.get()), cached_(&cached) { cached.inUse = true; }
    explicit Lease(Statement own) : st_(own.get()), own_(std::move(own)) {}
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    ~Lease() {
        sqlite3_reset(st_); // answers the last step's error again, already reported
        sqlite3_clear_bindings(st_);
        if (cached_)
            cached_->inUse = false;
    }
    sqlite3_stmt* get() const { return st_; }

private:
    sqlite3_stmt* st_;
    Cached* cached_ = nullptr;
    Statement own_;
};

class SqliteBackend final : public Backend {
public:
    explicit SqliteBackend(sqlite3* db) : db_(db) {
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
        sqlite3_extended_result_codes(db_, 1);
        registerSqliteFunctions(db_);
    }

    Outcome run(const BoundSql& sql, const std::vector<const Variant*>& values, bool readOnly) override {
        const Lease st = acquire(sql);
        prepareRun(st, values, readOnly);
        // Columns are read after the first step: a statement prepared before a schema change is prepared
        // again by that step, and `SELECT *` may then have more columns.
        bool more = step(st.get());
        Outcome out;
        const int columns = sqlite3_column_count(st.get());
        for (int c = 0; c < columns; ++c)
            out.columns.push_back(describe(st.get(), c));
        for (; more; more = step(st.get())) {
            Row row;
            row.reserve(static_cast<std::size_t>(columns));
            for (int c = 0; c < columns; ++c)
                row.push_back(read(st.get(), c));
            out.rows.push_back(std::move(row));
        }
        out.affected = columns == 0 ? sqlite3_changes64(db_) : 0;
        return out;
    }

    void each(const BoundSql& sql, const std::vector<const Variant*>& values,
              const std::function<void(std::span<Variant>)>& visit) override {
        const Lease st = acquire(sql);
        prepareRun(st, values, false);
        bool more = step(st.get());
        Row row(static_cast<std::size_t>(sqlite3_column_count(st.get())));
        for (; more; more = step(st.get())) {
            for (std::size_t c = 0; c < row.size(); ++c)
                row[c] = read(st.get(), static_cast<int>(c));
            visit(row);
        }
    }

    StatementStats statementStats() const override {
        StatementStats s = stats_;
        s.cached = cache_.size();
        return s;
    }

private:
    // The text's statement: the cached one, else a new one, cached unless the cached one is in use.
    Lease acquire(const BoundSql& sql) {
        Cached* cached = cache_.find(sql.text);
        if (cached && !cached->inUse) {
            ++stats_.reused;
            return Lease(*cached);
        }
        Statement st = prepare(sql.text);
        if (cached) // in use by an `each` whose visitor runs the same text
            return Lease(std::move(st));
        std::vector<Cached> evicted; // finalized on leaving
        Cached& entry = cache_.insert(
            sql.text, Cached{std::move(st)}, [](const Cached& c) { return c.inUse; }, evicted);
        return Lease(entry);
    }

    void prepareRun(const Lease& st, const std::vector<const Variant*>& values, bool readOnly) {
        if (readOnly && !sqlite3_stmt_readonly(st.get()))
            throw DbError(DbErrorKind::Refused, "A consulta não é somente leitura.");
        for (std::size_t i = 0; i < values.size(); ++i)
            bind(db_, st.get(), static_cast<int>(i + 1), *values[i]);
    }

    Statement prepare(const std::string& text) {
        sqlite3_stmt* raw = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db_, text.c_str(), static_cast<int>(text.size() + 1), &raw, &tail) !=
            SQLITE_OK)
            fail(db_);
        ++stats_.prepared;
        Statement st(raw);
        if (!st)
            throw DbError(DbErrorKind::Refused, "Comando SQL vazio.");
        if (tail && *tail && hasSeveralStatements(std::string(";") + tail))
            throw DbError(DbErrorKind::Refused, "O texto SQL tem mais de um comando.");
        return st;
    }

    // True while there is a row to read.
    bool step(sqlite3_stmt* st) {
        const int rc = sqlite3_step(st);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            fail(db_);
        return rc == SQLITE_ROW;
    }

    sqlite3* db_;
    // Declared after db_ and destroyed before the session closes the handle, which refuses to close with
    // statements left.
    StatementCache<Cached> cache_{kStatementCacheSize};
    StatementStats stats_;
};

} // namespace

std::unique_ptr<Backend> makeSqliteBackend(sqlite3* handle) {
    return std::make_unique<SqliteBackend>(handle);
}

} // namespace vq::db::detail
