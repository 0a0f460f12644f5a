#include "server/core/batch_assign.h"

#include "platform/data/error.h"
#include "platform/data/log.h"
#include "platform/db/transaction.h"
#include "server/core/audit_trail.h"
#include "server/core/batch_target.h"
#include "server/core/provider.h"

#include <chrono>
#include <functional>
#include <string>

namespace vq::server {

namespace {

const std::string kInChunk = " IN (" + std::string(kBatchChunkCustomers) + ")";

std::string text(const Variant& v) {
    return v.isNull() ? std::string() : v.toString();
}

db::Params chunkParams(std::int64_t from, std::int64_t to, db::Params extra = {}) {
    extra.emplace("P_DE", Variant(from));
    extra.emplace("P_ATE", Variant(to));
    return extra;
}

void dropBatchTarget(db::Connection& conn) {
    conn.execute("DROP TABLE BATCHALVO");
    conn.execute("DROP TABLE BATCHCODIGO");
}

// Chooses the customers and runs `change` over them in chunks inside one transaction. An exception from
// a chunk or from the progress report leaves nothing applied.
std::int64_t runBatch(db::Connection& conn, const net::CallContext& ctx, const BatchSelection& selection,
                      const std::function<void(std::int64_t, std::int64_t)>& change) {
    const auto started = std::chrono::steady_clock::now();
    db::Transaction tx(conn);
    const std::int64_t total = fillBatchTarget(conn, selection);
    try {
        forEachBatchChunk(total, change,
                          [&](std::int64_t done, std::int64_t all) { reportProgress(ctx, done, all); });
        dropBatchTarget(conn);
        tx.commit();
    } catch (const std::exception& e) {
        log::warn(std::string(ctx.method) + " rolled back peer=" + std::string(ctx.peer) +
                  " customers=" + std::to_string(total) + " reason=\"" + e.what() + "\"");
        throw;
    }
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started)
            .count();
    log::info(std::string(ctx.method) + " committed peer=" + std::string(ctx.peer) +
              " customers=" + std::to_string(total) + " ms=" + std::to_string(ms));
    return total;
}

// The retention code of a sequential; -1 gives nullopt. An unknown sequential is refused.
std::optional<std::string> retentionCode(db::Connection& conn, const Variant& sequential, const char* kind) {
    const std::int64_t seq = sequential.isNull() ? -1 : sequential.toInt();
    if (seq == -1)
        return std::nullopt;
    const auto rs = conn.query("SELECT CDRETECF FROM RETECF WHERE NRSEQUENCIAL = :P_NRSEQUENCIAL",
                               {{"P_NRSEQUENCIAL", Variant(seq)}});
    if (rs.empty())
        throw Error("Retenção de " + std::string(kind) + " " + std::to_string(seq) + " não cadastrada.");
    return rs.rows()[0][0].toString();
}

bool exists(db::Connection& conn, const std::string& sql, const std::string& param,
            const std::string& value) {
    return !conn.query(sql, {{param, Variant(value)}}).empty();
}

} // namespace

std::int64_t assignRetentions(db::Connection& conn, const net::CallContext& ctx, const VariantArray& args) {
    const BatchSelection selection = batchSelectionFrom({}, {}, {}, {}, args[0]);
    const std::optional<std::string> irpj = retentionCode(conn, args[1], "IRPJ");
    const std::optional<std::string> csll = retentionCode(conn, args[2], "CSLL");
    std::string set;
    db::Params values;
    if (irpj) {
        set = "NRSEQRETIRPJ = :P_SEQIRPJ, CDRETIRPJ = :P_CDIRPJ";
        values = {{"P_SEQIRPJ", Variant(args[1].toInt())}, {"P_CDIRPJ", Variant(*irpj)}};
    }
    if (csll) {
        set += std::string(set.empty() ? "" : ", ") + "NRSEQRETCSLL = :P_SEQCSLL, CDRETCSLL = :P_CDCSLL";
        values.emplace("P_SEQCSLL", Variant(args[2].toInt()));
        values.emplace("P_CDCSLL", Variant(*csll));
    }
    const std::string where = "CDCLIENTE" + kInChunk;
    const std::string sql = "UPDATE CLIENTE SET " + set + " WHERE " + where;
    AuditTrail trail(AuditContext::of(ctx));
    return runBatch(conn, ctx, selection, [&](std::int64_t from, std::int64_t to) {
        if (set.empty())
            return;
        const db::Params params = chunkParams(from, to, values);
        for (const auto& [column, param] : {std::pair{"NRSEQRETIRPJ", "P_SEQIRPJ"},
                                            {"CDRETIRPJ", "P_CDIRPJ"},
                                            {"NRSEQRETCSLL", "P_SEQCSLL"},
                                            {"CDRETCSLL", "P_CDCSLL"}})
            if (params.contains(param))
                trail.recordUpdate(conn, "CLIENTE", "CDCLIENTE", column, param, where, params);
        conn.execute(sql, params);
    });
}

DataPacket customersByAddress(db::Connection& conn, const VariantArray& args) {
    const BatchSelection selection = batchSelectionFrom(args[0], args[1], args[2], args[3], Variant("T"));
    db::Transaction tx(conn); // only for the temporary tables: rolled back, nothing was written
    fillBatchTarget(conn, selection);
    return readPacket(conn, requireProvider("dspClientesEnd"),
                      "T.CDCLIENTE IN (SELECT CDCLIENTE FROM BATCHALVO)");
}

std::string assignPriceTable(db::Connection& conn, const net::CallContext& ctx, const VariantArray& args) {
    const std::string table = text(args[0]);
    const bool principal = !args[1].isNull() && args[1].toBool();
    if (!exists(conn, "SELECT CDPRECOBASE FROM PRECOBASE WHERE CDPRECOBASE = :P_CDPRECOBASE", "P_CDPRECOBASE",
                table))
        throw Error("Tabela de preço \"" + table + "\" não cadastrada.");
    const BatchSelection selection = batchSelectionFrom(args[2], args[3], args[4], args[5], args[6]);
    const db::Params values{{"P_CDPRECOBASE", Variant(table)}, {"P_PRIN", Variant(principal ? "S" : "N")}};
    const std::string newLinks = "BATCHALVO A WHERE A.NRORDEM > :P_DE AND A.NRORDEM <= :P_ATE AND NOT EXISTS "
                                 "(SELECT 1 FROM PRECOBASECLI P WHERE P.CDCLIENTE = A.CDCLIENTE AND "
                                 "P.CDPRECOBASE = :P_CDPRECOBASE)";
    const std::string tableCode = "CAST(:P_CDPRECOBASE AS VARCHAR(2))", mark = "CAST(:P_PRIN AS VARCHAR(1))";
    const std::string link =
        "INSERT INTO PRECOBASECLI (CDCLIENTE, CDPRECOBASE, IDPRBASEPRIN) SELECT A.CDCLIENTE, " + tableCode +
        ", " + mark + " FROM " + newLinks;
    // Only the marks that differ are written: this table "S", every other principal one "N".
    const std::string newMark = "CASE WHEN CDPRECOBASE = :P_CDPRECOBASE THEN 'S' ELSE 'N' END";
    const std::string marked =
        "PRECOBASECLI WHERE CDCLIENTE" + kInChunk +
        " AND ((CDPRECOBASE = :P_CDPRECOBASE AND COALESCE(IDPRBASEPRIN, 'N') <> 'S') OR "
        "(CDPRECOBASE <> :P_CDPRECOBASE AND IDPRBASEPRIN = 'S'))";
    const std::string remark = "UPDATE PRECOBASECLI SET IDPRBASEPRIN = " + newMark + " WHERE " +
                               marked.substr(std::string_view("PRECOBASECLI WHERE ").size());
    AuditTrail trail(AuditContext::of(ctx));
    const std::string linkKey = "'CDCLIENTE=' || A.CDCLIENTE || ';CDPRECOBASE=' || " + tableCode;
    const std::string rowKey = "'CDCLIENTE=' || CDCLIENTE || ';CDPRECOBASE=' || CDPRECOBASE";
    const std::int64_t total = runBatch(conn, ctx, selection, [&](std::int64_t from, std::int64_t to) {
        const db::Params params = chunkParams(from, to, values);
        for (const auto& [field, value] :
             {std::pair<std::string_view, std::string>{"CDCLIENTE", "A.CDCLIENTE"},
              {"CDPRECOBASE", tableCode},
              {"IDPRBASEPRIN", mark}})
            trail.recordSelected(conn, {"PRECOBASECLI", field, 'I', linkKey, "A.CDCLIENTE", "NULL", value},
                                 newLinks, params);
        conn.execute(link, params);
        if (!principal)
            return;
        trail.recordSelected(
            conn, {"PRECOBASECLI", "IDPRBASEPRIN", 'A', rowKey, "CDCLIENTE", "IDPRBASEPRIN", newMark}, marked,
            params);
        conn.execute(remark, params);
    });
    return std::string(total == 0 ? kNoCustomers : kSuccess);
}

std::string assignGroup(db::Connection& conn, const net::CallContext& ctx, const VariantArray& args) {
    const std::string group = text(args[0]);
    if (!exists(conn, "SELECT CDGRUPCLIE FROM GRUPCLIE WHERE CDGRUPCLIE = :P_CDGRUPCLIE", "P_CDGRUPCLIE",
                group))
        throw Error("Grupo de clientes \"" + group + "\" não cadastrado.");
    const BatchSelection selection = batchSelectionFrom(args[1], args[2], args[3], args[4], args[5]);
    const std::string where = "CDCLIENTE" + kInChunk;
    const std::string sql = "UPDATE CLIENTE SET CDGRUPCLIE = :P_CDGRUPCLIE WHERE " + where;
    AuditTrail trail(AuditContext::of(ctx));
    const std::int64_t total = runBatch(conn, ctx, selection, [&](std::int64_t from, std::int64_t to) {
        const db::Params params = chunkParams(from, to, {{"P_CDGRUPCLIE", Variant(group)}});
        trail.recordUpdate(conn, "CLIENTE", "CDCLIENTE", "CDGRUPCLIE", "P_CDGRUPCLIE", where, params);
        conn.execute(sql, params);
    });
    return std::string(total == 0 ? kNoCustomers : kSuccess);
}

} // namespace vq::server
