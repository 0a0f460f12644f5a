#include "server/seed/seed_database.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/db/transaction.h"

#include <charconv>

namespace vq::seed {

namespace {

// Inserts rows in batches of multi-row INSERTs: one statement per batch keeps preparing cheap.
class DatabaseSink : public RowSink {
    // Far below the drivers' limits (SQLite 32766, PostgreSQL 65535): statement preparation grows faster
    // than linearly with the parameter count, so moderate batches are the quickest.
    static constexpr std::size_t kParamsPerStatement = 120;

public:
    DatabaseSink(db::Connection& conn, SeedReport& report) : conn_(conn), report_(report) {}

    void beginTable(std::string_view table, std::vector<std::string> columns) override {
        table_ = table;
        columns_ = std::move(columns);
        pending_.clear();
        skip_ = table != "CLIENTE" && isReference(table) && hasRows(table);
        if (skip_)
            report_.skippedTables.push_back(table_);
        batchRows_ = std::max<std::size_t>(1, kParamsPerStatement / columns_.size());
    }

    void row(Row values) override {
        if (skip_)
            return;
        pending_.push_back(std::move(values));
        if (pending_.size() >= batchRows_)
            flush();
    }

    void endTable() override {
        if (!skip_)
            flush();
    }

private:
    // Tables the customers only point at; a database may already have them filled from the real ERP.
    static bool isReference(std::string_view table) {
        static constexpr std::string_view kOwnRows[] = {
            "ENDECLIE",     "INTECLIE",     "CORINTECLI", "OBSERVCLIE",  "PRAZOPGTCLIE",
            "BANCOPREF",    "PRECOBASECLI", "SOCIOCLIE",  "MENSCLIENTE", "VENDADICCLIE",
            "TRANSCLIEPED", "EMAILCLIFIL",  "PROSPECT",   "ENDEPROSP",   "INTEPROSP"};
        for (auto t : kOwnRows)
            if (t == table)
                return false;
        return true;
    }

    bool hasRows(std::string_view table) {
        return !conn_.query("SELECT 1 FROM " + std::string(table) + " LIMIT 1").empty();
    }

    void flush() {
        if (pending_.empty())
            return;
        std::string sql = "INSERT INTO " + table_ + " (";
        for (std::size_t c = 0; c < columns_.size(); ++c)
            sql += (c ? ", " : "") + columns_[c];
        sql += ") VALUES ";
        db::Params params;
        for (std::size_t r = 0; r < pending_.size(); ++r) {
            sql += r ? ", (" : "(";
            for (std::size_t c = 0; c < columns_.size(); ++c) {
                const std::string name = "V" + std::to_string(r) + "_" + std::to_string(c);
                sql += (c ? ", :" : ":") + name;
                params.emplace(name, std::move(pending_[r][c]));
            }
            sql += ")";
        }
        conn_.execute(sql, params);
        report_.rows[table_] += pending_.size();
        pending_.clear();
    }

    db::Connection& conn_;
    SeedReport& report_;
    std::string table_;
    std::vector<std::string> columns_;
    std::vector<Row> pending_;
    std::size_t batchRows_ = 1;
    bool skip_ = false;
};

} // namespace

std::int64_t customerCount(db::Connection& conn) {
    return conn.query("SELECT COUNT(*) AS N FROM CLIENTE").rows().at(0).at(0).toInt();
}

SeedReport seedDatabase(db::Connection& conn, const SeedOptions& options) {
    if (const auto n = customerCount(conn); n > 0)
        throw Error("O banco já tem " + std::to_string(n) +
                    " cliente(s); a carga de demonstração só é feita num banco sem clientes.");
    SeedReport report;
    db::Transaction tx(conn);
    DatabaseSink sink(conn, report);
    generateDemo(sink, options);
    tx.commit();
    std::size_t total = 0;
    for (const auto& [table, n] : report.rows)
        total += n;
    log::info("seed demo: " + std::to_string(options.customers) + " customers, " + std::to_string(total) +
              " rows in " + std::to_string(report.rows.size()) + " tables");
    return report;
}

std::optional<SeedOptions> parseSeedSpec(std::string_view spec) {
    SeedOptions options;
    if (spec == "demo")
        return options;
    constexpr std::string_view kPrefix = "demo:";
    if (!spec.starts_with(kPrefix))
        return std::nullopt;
    const std::string_view digits = spec.substr(kPrefix.size());
    int n = -1;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size() || n < 0 || n > 10'000'000)
        return std::nullopt;
    options.customers = n;
    return options;
}

} // namespace vq::seed
