#pragma once
// One database session opened from a URL (see database_url.h). Statements take named parameters (":NAME"),
// always bound from Variants and never pasted into the text. A connection serves one thread at a time.

#include "platform/data/packet.h"
#include "platform/db/dialect.h"
#include "platform/db/params.h"
#include "platform/db/result_set.h"
#include "platform/db/statement_cache.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace soci {
class session;
}

namespace vq::db {

namespace detail {
class Backend;
}

class Connection {
public:
    explicit Connection(
        std::string_view url); // throws DbError (Connection) when the database cannot be opened
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    Dialect dialect() const { return dialect_; }
    const std::string& displayUrl() const { return displayUrl_; } // without password

    // Every ":NAME" of the text must have a value in params (null is a value); extra entries are ignored.
    ResultSet query(std::string_view sql, const Params& params = {});
    DataPacket queryPacket(std::string_view sql, const Params& params = {});
    // Hands each row to `visit` as the driver read it (not yet typed, see typedValue) without keeping the
    // rows; the span's storage is reused for the next row.
    void queryEach(std::string_view sql, const Params& params,
                   const std::function<void(std::span<Variant>)>& visit);
    // Refuses anything but one SELECT/WITH statement that cannot write.
    ResultSet queryReadOnly(std::string_view sql, const Params& params = {});
    // Runs one statement; returns the number of rows it changed.
    std::int64_t execute(std::string_view sql, const Params& params = {});

    bool inTransaction() const { return inTransaction_; }

    // Prepared statements reused and made so far (see statement_cache.h).
    StatementStats statementStats() const;

    // Field types and string sizes of result columns the schema knows (see result_set.h).
    void setFieldResolver(FieldResolver resolver) { resolver_ = std::move(resolver); }
    const FieldResolver& fieldResolver() const { return resolver_; }

    soci::session& session() { return *session_; }

private:
    friend class Transaction;
    void begin();
    void commit();
    void rollback();

    ResultSet run(std::string_view sql, const Params& params, bool readOnly, std::int64_t* affected);

    Dialect dialect_;
    std::string displayUrl_;
    std::unique_ptr<soci::session> session_;
    std::unique_ptr<detail::Backend> backend_;
    FieldResolver resolver_;
    bool inTransaction_ = false;
};

} // namespace vq::db
