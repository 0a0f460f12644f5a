#include "server/core/import_methods.h"

#include "platform/data/log.h"
#include "platform/db/transaction.h"

namespace vq::server {

namespace {

constexpr const char* kAllLayouts = "SELECT CDLAYOUTIMP, NMLAYOUTIMP FROM LAYOUTIMP ORDER BY CDLAYOUTIMP";
constexpr const char* kOneLayout =
    "SELECT CDLAYOUTIMP, NMLAYOUTIMP FROM LAYOUTIMP WHERE CDLAYOUTIMP = :P_CDLAYOUTIMP";
constexpr const char* kLayoutFiles =
    "SELECT NMARQLAYIMP FROM ARQLAYOUTIMP WHERE CDLAYOUTIMP = :P_CDLAYOUTIMP ORDER BY NRSEQARQLAY";
// Sequences are digit strings: shorter (without leading zeros) first, then by text, is numeric order.
constexpr const char* kLayoutColumns =
    "SELECT CDLAYOUTIMP, NRSEQTABELAY, IDFUNARQLAY, NRSEQCOLULAY, NRPOSICOLLAY, NRTAMCOLLAY, NRCASASDECIM, "
    "DSDEFACOLLAY, IDGERSEQCOLU, IDTDADCOLLAY, IDGERCODCOLU, CDFRMTCOLLAY, NMTABELAIMP, NMCOLUNAIMP "
    "FROM COLLAYOUTIMP WHERE CDLAYOUTIMP = :P_CDLAYOUTIMP "
    "ORDER BY LENGTH(LTRIM(NRSEQTABELAY, '0')), LTRIM(NRSEQTABELAY, '0'), "
    "LENGTH(LTRIM(NRSEQCOLULAY, '0')), LTRIM(NRSEQCOLULAY, '0')";
constexpr const char* kUpdateNames =
    "UPDATE CLIENTE SET NMRAZSOCCLIE = :P_NMRAZSOCCLIE WHERE CDCLIENTE = :P_CDCLIENTE";
constexpr const char* kUpdateNamesAndTrade = "UPDATE CLIENTE SET NMRAZSOCCLIE = :P_NMRAZSOCCLIE, "
                                             "NMFANTCLIE = :P_NMFANTCLIE WHERE CDCLIENTE = :P_CDCLIENTE";
constexpr const char* kByCode = "CDCLIENTE = :P_CDCLIENTE";
constexpr const char* kDeactivate = "UPDATE CLIENTE SET IDCLIEATIV = 'N' WHERE CDCLIENTE = :P_CDCLIENTE";

bool blank(const std::string& s) {
    return s.find_first_not_of(" \t") == std::string::npos;
}

Variant packet(DataPacket p) {
    return Variant(std::make_shared<const DataPacket>(std::move(p)));
}

} // namespace

DataPacket selectLayouts(db::Connection& conn, const std::string& code, const std::string& all) {
    if (all == "T")
        return conn.queryPacket(kAllLayouts);
    return conn.queryPacket(kOneLayout, {{"P_CDLAYOUTIMP", Variant(code)}});
}

DataPacket selectLayoutFiles(db::Connection& conn, const std::string& code) {
    return conn.queryPacket(kLayoutFiles, {{"P_CDLAYOUTIMP", Variant(code)}});
}

DataPacket selectLayoutColumns(db::Connection& conn, const std::string& code) {
    return conn.queryPacket(kLayoutColumns, {{"P_CDLAYOUTIMP", Variant(code)}});
}

std::int64_t updateCustomerNames(db::Connection& conn, AuditTrail& trail, const std::string& name,
                                 const std::string& tradeName, const std::string& code) {
    db::Params params{{"P_NMRAZSOCCLIE", Variant(name)}, {"P_CDCLIENTE", Variant(code)}};
    db::Transaction tx(conn);
    trail.recordUpdate(conn, "CLIENTE", "CDCLIENTE", "NMRAZSOCCLIE", "P_NMRAZSOCCLIE", kByCode, params);
    if (!blank(tradeName)) {
        params.emplace("P_NMFANTCLIE", Variant(tradeName));
        trail.recordUpdate(conn, "CLIENTE", "CDCLIENTE", "NMFANTCLIE", "P_NMFANTCLIE", kByCode, params);
    }
    const std::int64_t changed = conn.execute(blank(tradeName) ? kUpdateNames : kUpdateNamesAndTrade, params);
    tx.commit();
    return changed;
}

std::int64_t deactivateCustomer(db::Connection& conn, AuditTrail& trail, const std::string& code) {
    db::Transaction tx(conn);
    trail.recordUpdate(conn, "CLIENTE", "CDCLIENTE", "IDCLIEATIV", "P_IDCLIEATIV", kByCode,
                       {{"P_CDCLIENTE", Variant(code)}, {"P_IDCLIEATIV", Variant("N")}});
    const std::int64_t changed = conn.execute(kDeactivate, {{"P_CDCLIENTE", Variant(code)}});
    tx.commit();
    return changed;
}

Variant getLayout(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return packet(selectLayouts(*conn, args[0].asString(), args[1].asString()));
}

Variant getArquivo(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return packet(selectLayoutFiles(*conn, args[0].asString()));
}

Variant getDescLayout(Services& s, net::CallContext&, VariantArray& args) {
    auto conn = s.pool.acquire();
    return packet(selectLayoutColumns(*conn, args[0].asString()));
}

Variant setUpCliente(Services& s, net::CallContext& ctx, VariantArray& args) {
    auto conn = s.pool.acquire();
    AuditTrail trail(AuditContext::of(ctx));
    const std::int64_t changed =
        updateCustomerNames(*conn, trail, args[0].asString(), args[1].asString(), args[2].asString());
    if (changed == 0)
        log::info("import: SetUpCliente found no customer " + args[2].asString());
    return Variant(changed);
}

Variant setUpSitCliente(Services& s, net::CallContext& ctx, VariantArray& args) {
    auto conn = s.pool.acquire();
    AuditTrail trail(AuditContext::of(ctx));
    return Variant(deactivateCustomer(*conn, trail, args[0].asString()));
}

} // namespace vq::server
