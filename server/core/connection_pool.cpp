#include "server/core/connection_pool.h"

#include "platform/data/log.h"
#include "platform/db/database_url.h"
#include "server/schema/schema.h"

namespace vq::server {

ConnectionPool::ConnectionPool(std::string url, std::size_t maxSize)
    : url_(std::move(url)), maxSize_(maxSize == 0 ? 1 : maxSize) {
    idle_.push_back(open());
    open_ = 1;
}

ConnectionPool::~ConnectionPool() = default;

std::unique_ptr<db::Connection> ConnectionPool::open() const {
    auto conn = std::make_unique<db::Connection>(url_);
    conn->setFieldResolver(schema::fieldResolver());
    return conn;
}

ConnectionPool::Lease ConnectionPool::acquire() {
    std::unique_lock lock(mutex_);
    available_.wait(lock, [&] { return !idle_.empty() || open_ < maxSize_; });
    if (!idle_.empty()) {
        auto conn = std::move(idle_.back());
        idle_.pop_back();
        return Lease(*this, std::move(conn));
    }
    ++open_;
    lock.unlock();
    try {
        return Lease(*this, open());
    } catch (...) {
        lock.lock();
        --open_;
        available_.notify_one();
        throw;
    }
}

void ConnectionPool::giveBack(std::unique_ptr<db::Connection> conn) {
    if (conn && conn->inTransaction()) {
        log::error("database connection returned inside a transaction; closing it (" + db::redactUrl(url_) +
                   ")");
        conn.reset();
    }
    std::lock_guard lock(mutex_);
    if (conn)
        idle_.push_back(std::move(conn));
    else
        --open_;
    available_.notify_one();
}

ConnectionPool::Lease::~Lease() {
    if (pool_ && conn_)
        pool_->giveBack(std::move(conn_));
}

std::size_t ConnectionPool::idleCount() const {
    std::lock_guard lock(mutex_);
    return idle_.size();
}

std::size_t ConnectionPool::openCount() const {
    std::lock_guard lock(mutex_);
    return open_;
}

std::size_t ConnectionPool::idleInTransaction() const {
    std::lock_guard lock(mutex_);
    std::size_t n = 0;
    for (const auto& c : idle_)
        if (c->inTransaction())
            ++n;
    return n;
}

} // namespace vq::server
