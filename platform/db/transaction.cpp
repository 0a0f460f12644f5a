#include "platform/db/transaction.h"

#include "platform/data/log.h"
#include "platform/db/connection.h"

namespace vq::db {

Transaction::Transaction(Connection& connection) : connection_(connection) {
    connection_.begin();
    active_ = true;
}

Transaction::~Transaction() {
    if (!active_)
        return;
    try {
        connection_.rollback();
    } catch (const std::exception& e) {
        log::error(std::string("Falha ao desfazer transação em ") + connection_.displayUrl() + ": " +
                   e.what());
    }
}

void Transaction::commit() {
    active_ = false;
    connection_.commit();
}

void Transaction::rollback() {
    active_ = false;
    connection_.rollback();
}

} // namespace vq::db
