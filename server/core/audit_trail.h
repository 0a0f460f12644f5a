#pragma once
// The field-level history (HISTCLIENTE): every change of customer data writes, inside its own
// transaction, one row per changed field; an inserted or deleted row is written whole. A failure to write
// the history throws and so fails the change with it.

#include "platform/data/packet.h"
#include "platform/db/connection.h"
#include "platform/net/method_registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vq::server {

// Width of CDOPERHIST: a connection's hello may name no longer operator.
inline constexpr std::size_t kOperatorCodeLength = 12;

// Who and what wrote a change: the operator the connection's hello named (empty when none), the server
// module and the method called, and the ERP module the hello named (0 when none).
struct AuditContext {
    std::string operatorCode;
    std::string moduleCode;
    std::string method;
    std::int64_t erpModule = 0;

    static AuditContext of(const net::CallContext& ctx);
};

// The rows of one change, numbered in the order they were added, all stamped with the same server time.
class AuditTrail {
public:
    explicit AuditTrail(AuditContext context);

    // action: 'I' inserted (old null), 'A' changed, 'E' deleted (new null).
    void add(std::string_view table, std::string key, Variant customer, std::string_view field, char action,
             const Variant& oldValue, const Variant& newValue);
    // Writes and forgets the rows added so far, in one statement per chunk.
    void write(db::Connection& conn);

    // Before a set-based UPDATE of `table` (whose rows carry CDCLIENTE) setting `column` to the value bound
    // as `newParam`: records every row of `where` (bound by `params`) whose value will change.
    void recordUpdate(db::Connection& conn, std::string_view table, std::string_view keyColumn,
                      std::string_view column, std::string_view newParam, const std::string& where,
                      const db::Params& params);

    // One history row per row of `from` ("TABLE [alias] WHERE ..."), bound by `params`; the members are
    // SQL expressions over those rows (oldValue "NULL" for an insert). For set-based writes, run before
    // the write so that `from` still sees the rows as they were.
    struct Selected {
        std::string_view table, field;
        char action;
        std::string key, customer, oldValue, newValue;
    };
    void recordSelected(db::Connection& conn, const Selected& what, const std::string& from,
                        const db::Params& params);

    const AuditContext& context() const { return context_; }

private:
    struct Row {
        std::string table, key, field;
        Variant customer, oldValue, newValue;
        char action;
    };
    AuditContext context_;
    DateTime time_;
    std::int64_t transaction_;
    std::int64_t sequence_ = 0;
    std::vector<Row> rows_;
};

// GetHistCliente(code): the customer's history, newest first; no rows for an unknown customer.
DataPacket customerHistory(db::Connection& conn, const std::string& code);

} // namespace vq::server
