#pragma once
// A database transaction that rolls back unless committed. One at a time per connection.

namespace vq::db {

class Connection;

class Transaction {
public:
    explicit Transaction(Connection& connection); // begins; throws DbError when one is already open
    ~Transaction();                               // rolls back when still open; never throws
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit(); // a failed commit leaves nothing applied and the transaction closed
    void rollback();
    bool active() const { return active_; }

private:
    Connection& connection_;
    bool active_ = false;
};

} // namespace vq::db
