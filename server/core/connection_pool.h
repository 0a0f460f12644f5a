#pragma once
// Database connections shared by the server's worker threads. A call borrows one for its duration; a
// connection that comes back inside a transaction (a bug, or a failure while rolling back) is closed
// rather than reused, so no call ever inherits another's open transaction.

#include "platform/db/connection.h"

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vq::server {

class ConnectionPool {
public:
    // Opens the first connection at once, so a bad URL fails here; more open on demand up to `maxSize`.
    ConnectionPool(std::string url, std::size_t maxSize);
    ~ConnectionPool();
    ConnectionPool(const ConnectionPool&) = delete;
    ConnectionPool& operator=(const ConnectionPool&) = delete;

    class Lease {
    public:
        Lease(ConnectionPool& pool, std::unique_ptr<db::Connection> conn)
            : pool_(&pool), conn_(std::move(conn)) {}
        Lease(Lease&& other) noexcept = default;
        Lease& operator=(Lease&&) = delete;
        ~Lease();
        db::Connection& operator*() const { return *conn_; }
        db::Connection* operator->() const { return conn_.get(); }

    private:
        ConnectionPool* pool_;
        std::unique_ptr<db::Connection> conn_;
    };

    Lease acquire(); // waits while every connection is lent out
    const std::string& url() const { return url_; }

    std::size_t idleCount() const;
    std::size_t openCount() const;
    // Idle connections found inside a transaction; always 0 unless something is wrong. For tests.
    std::size_t idleInTransaction() const;

private:
    std::unique_ptr<db::Connection> open() const;
    void giveBack(std::unique_ptr<db::Connection> conn);

    std::string url_;
    std::size_t maxSize_;
    mutable std::mutex mutex_;
    std::condition_variable available_;
    std::vector<std::unique_ptr<db::Connection>> idle_;
    std::size_t open_ = 0;
};

} // namespace vq::server
