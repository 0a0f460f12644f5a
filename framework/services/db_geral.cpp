#include "framework/services/db_geral.h"

#include "platform/data/error.h"
#include "platform/db/connection.h"

#include <vector>

namespace vq {
namespace {

struct Shared {
    std::shared_ptr<db::Connection> current;
    std::vector<std::shared_ptr<db::Connection>> retired;
};
Shared& shared() {
    static Shared s;
    return s;
}

db::Connection& required() {
    db::Connection* c = dtmDBGeral();
    if (!c)
        throw Error("Não há conexão com o banco de dados.");
    return *c;
}

} // namespace

db::Connection* dtmDBGeral() {
    return shared().current.get();
}

void setDtmDBGeral(std::shared_ptr<db::Connection> connection) {
    Shared& s = shared();
    if (s.current && s.current != connection)
        s.retired.push_back(std::move(s.current));
    s.current = std::move(connection);
}

std::unique_ptr<TADOIBQuery> newQuery(std::string name) {
    return std::make_unique<TADOIBQuery>(&required(), std::move(name));
}

TADOIBQuery& useDBGeral(TADOIBQuery& query) {
    query.setConnection(&required());
    return query;
}

} // namespace vq
