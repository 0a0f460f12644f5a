#include "server/core/audit_trail.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace vq::server {

namespace {

constexpr std::string_view kColumns =
    "DTHIST, NRTRANSHIST, NRSEQHIST, CDCLIENTE, NMTABHIST, DSCHAVEHIST, NMCAMPOHIST, "
    "DSVALANTHIST, DSVALNOVHIST, IDACAOHIST, CDOPERHIST, CDMODHIST, NMMETHIST, CDMODERPHIST";
constexpr std::size_t kRowsPerStatement = 200; // 8 parameters a row, far below either database's limit

DateTime serverNow() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return DateTime{25569.0 + static_cast<double>(ms) / 86400000.0}; // 1970-01-01 is day 25569
}

std::int64_t randomTransaction() {
    static thread_local std::mt19937 engine{std::random_device{}()};
    return std::uniform_int_distribution<std::int64_t>{1, 2147483647}(engine);
}

Variant text(const Variant& v) {
    return v.isNull() ? Variant() : Variant(v.toString());
}

std::string asText(const std::string& sql) {
    return sql == "NULL" ? sql : "CAST(" + sql + " AS VARCHAR(4000))";
}

Variant orNull(const std::string& s) {
    return s.empty() ? Variant() : Variant(s);
}

Variant erpModule(const AuditContext& c) {
    return c.erpModule == 0 ? Variant() : Variant(c.erpModule);
}

} // namespace

AuditContext AuditContext::of(const net::CallContext& ctx) {
    return {std::string(ctx.operatorCode), std::string(ctx.module), std::string(ctx.method), ctx.erpModule};
}

AuditTrail::AuditTrail(AuditContext context)
    : context_(std::move(context)), time_(serverNow()), transaction_(randomTransaction()) {}

void AuditTrail::add(std::string_view table, std::string key, Variant customer, std::string_view field,
                     char action, const Variant& oldValue, const Variant& newValue) {
    rows_.push_back({std::string(table), std::move(key), std::string(field), std::move(customer),
                     text(oldValue), text(newValue), action});
}

void AuditTrail::write(db::Connection& conn) {
    for (std::size_t from = 0; from < rows_.size(); from += kRowsPerStatement) {
        const std::size_t to = std::min(rows_.size(), from + kRowsPerStatement);
        std::string sql = "INSERT INTO HISTCLIENTE (" + std::string(kColumns) + ") VALUES ";
        db::Params p{{"DT", time_},
                     {"TR", Variant(transaction_)},
                     {"OP", orNull(context_.operatorCode)},
                     {"MOD", orNull(context_.moduleCode)},
                     {"MET", Variant(context_.method)},
                     {"ERP", erpModule(context_)}};
        for (std::size_t i = from; i < to; ++i) {
            const Row& r = rows_[i];
            const std::string n = std::to_string(i - from);
            sql += (i == from ? "(" : ", (") + std::string(":DT, :TR, :S") + n + ", :C" + n + ", :T" + n +
                   ", :K" + n + ", :F" + n + ", :O" + n + ", :N" + n + ", :A" + n +
                   ", :OP, :MOD, :MET, :ERP)";
            p.emplace("S" + n, Variant(++sequence_));
            p.emplace("C" + n, r.customer);
            p.emplace("T" + n, Variant(r.table));
            p.emplace("K" + n, Variant(r.key));
            p.emplace("F" + n, Variant(r.field));
            p.emplace("O" + n, r.oldValue);
            p.emplace("N" + n, r.newValue);
            p.emplace("A" + n, Variant(std::string(1, r.action)));
        }
        conn.execute(sql, p);
    }
    rows_.clear();
}

void AuditTrail::recordSelected(db::Connection& conn, const Selected& what, const std::string& from,
                                const db::Params& params) {
    db::Params p = params;
    p.insert_or_assign("H_DT", time_);
    p.insert_or_assign("H_TR", Variant(transaction_));
    p.insert_or_assign("H_SEQ", Variant(++sequence_));
    p.insert_or_assign("H_OP", orNull(context_.operatorCode));
    p.insert_or_assign("H_MOD", orNull(context_.moduleCode));
    p.insert_or_assign("H_MET", Variant(context_.method));
    p.insert_or_assign("H_ERP", erpModule(context_));
    p.insert_or_assign("H_TAB", Variant(std::string(what.table)));
    p.insert_or_assign("H_CAMPO", Variant(std::string(what.field)));
    p.insert_or_assign("H_ACAO", Variant(std::string(1, what.action)));
    conn.execute(
        "INSERT INTO HISTCLIENTE (" + std::string(kColumns) + ") SELECT :H_DT, :H_TR, :H_SEQ, " +
            what.customer + ", CAST(:H_TAB AS VARCHAR(30)), " + what.key +
            ", CAST(:H_CAMPO AS VARCHAR(30)), " + asText(what.oldValue) + ", " + asText(what.newValue) +
            ", CAST(:H_ACAO AS VARCHAR(1)), CAST(:H_OP AS VARCHAR(12)), CAST(:H_MOD AS VARCHAR(40)), "
            "CAST(:H_MET AS VARCHAR(40)), CAST(:H_ERP AS INTEGER) FROM " +
            from,
        p);
}

void AuditTrail::recordUpdate(db::Connection& conn, std::string_view table, std::string_view keyColumn,
                              std::string_view column, std::string_view newParam, const std::string& where,
                              const db::Params& params) {
    const std::string col(column), value = ":" + std::string(newParam);
    const std::string key = "'" + std::string(keyColumn) + "=' || " + std::string(keyColumn);
    recordSelected(conn, {table, column, 'A', key, "CDCLIENTE", col, value},
                   std::string(table) + " WHERE " + where + " AND (" + col + " IS NULL OR " + asText(col) +
                       " <> " + asText(value) + ")",
                   params);
}

DataPacket customerHistory(db::Connection& conn, const std::string& code) {
    return conn.queryPacket(
        "SELECT " + std::string(kColumns) +
            " FROM HISTCLIENTE WHERE CDCLIENTE = :P_CDCLIENTE ORDER BY DTHIST DESC, NRTRANSHIST, "
            "NRSEQHIST DESC",
        {{"P_CDCLIENTE", Variant(code)}});
}

} // namespace vq::server
