#include "server/core/shaped_lookups.h"

#include "platform/data/error.h"
#include "server/core/lookups.h"
#include "server/core/tree_levels.h"

#include <algorithm>
#include <cctype>

namespace vq::server {

namespace {

Variant packetOf(DataPacket packet) {
    return Variant(std::make_shared<const DataPacket>(std::move(packet)));
}

std::string trimmed(const Variant& v) {
    const std::string text = v.toString();
    const auto b = text.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : text.substr(b, text.find_last_not_of(' ') - b + 1);
}

// A tax number as stored: letters and digits only, whatever edit mask the caller typed it through.
std::string storedTaxNumber(const Variant& typed) {
    std::string out;
    for (const char c : typed.toString())
        if (std::isalnum(static_cast<unsigned char>(c)))
            out += c;
    return out;
}

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A stored CNPJ: 12 digits or letters, then two check digits. The check digits are the client's to
// verify; the root only needs the shape.
bool cnpjShaped(std::string_view stored) {
    const auto alnum = [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'Z');
    };
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    return stored.size() == 14 && std::all_of(stored.begin(), stored.begin() + 12, alnum) &&
           std::all_of(stored.begin() + 12, stored.end(), digit);
}

constexpr std::size_t kCnpjRootLength = 8;

} // namespace

DataPacket loadActivityBranches(db::Connection& conn, const VariantArray& args) {
    std::string where;
    db::Params params;
    restrictToLevels(where, params, "T.CDNVATIVCLI", args.size() > 2 ? args[2] : Variant());
    return requireLookup("GetRamoAtiv").read(conn, args, where, params);
}

Variant loadTransportLists(db::Connection& conn) {
    return Variant(VariantArray{packetOf(requireLookup("GetVd_TipoTransp").readAll(conn)),
                                packetOf(requireLookup("GetVd_Transportadora").readAll(conn))});
}

Variant searchCarrierList(db::Connection& conn, const VariantArray& args) {
    const Lookup& carriers = requireLookup("GetPesquisaListaTransp");
    if (args.size() < 3)
        throw Error("GetPesquisaListaTransp espera 3 argumentos.");
    if (args[0].toBool())
        return packetOf(carriers.readAll(conn));
    const std::string number = args[2].toString();
    const db::Params inList{{"P_CDCLIENTE", Variant(args[1].toString())},
                            {"P_NRINSJURTRAN", Variant(number)}};
    const std::int64_t times =
        conn.query("SELECT COUNT(*) FROM TRANSCLIEPED WHERE CDCLIENTE = :P_CDCLIENTE AND NRINSJURTRAN = "
                   ":P_NRINSJURTRAN",
                   inList)
            .rows()
            .at(0)
            .at(0)
            .toInt();
    return Variant(VariantArray{packetOf(carriers.read(conn, {Variant(number)})), Variant(times)});
}

DataPacket findAbbreviationUsers(db::Connection& conn, const VariantArray& args) {
    const Lookup& users = requireLookup("GetVdSigla");
    if (args.size() < 2)
        throw Error("GetVdSigla espera 2 argumentos.");
    const std::string abbreviation = upper(trimmed(args[0]));
    if (abbreviation.empty())
        return DataPacket(users.provider().fields());
    return users.read(conn, {Variant(abbreviation), Variant(storedTaxNumber(args[1]))});
}

DataPacket countCustomers(db::Connection& conn, const VariantArray& args) {
    if (args.size() < 3)
        throw Error("GetValidaCliente espera 3 argumentos.");
    const std::string code = trimmed(args[0]);
    const std::string number = trimmed(args[1]);
    const std::string kind = trimmed(args[2]);
    // Exactly one of two questions: (code, "", "") or ("", number, kind).
    std::string sql = "SELECT COUNT(*) FROM CLIENTE WHERE ";
    db::Params params;
    if (!code.empty() && number.empty() && kind.empty()) {
        sql += "CDCLIENTE = :P_CDCLIENTE";
        params.emplace("P_CDCLIENTE", Variant(code));
    } else if (code.empty() && !number.empty() && !kind.empty()) {
        sql += "NRINSJURCLIE = :P_NRINSJURCLIE AND IDTPIJURCLIE = :P_IDTPIJURCLIE";
        params.emplace("P_NRINSJURCLIE", Variant(number));
        params.emplace("P_IDTPIJURCLIE", Variant(kind));
    } else {
        throw Error("Informe o código do cliente, ou a inscrição com o seu tipo, a verificar.");
    }
    const std::int64_t n = conn.query(sql, params).rows().at(0).at(0).toInt();
    DataPacket packet({FieldDesc{"NRREG", FieldType::Float, 0}});
    packet.addRow({Variant(static_cast<double>(n))});
    return packet;
}

DataPacket findSameRootCompanies(db::Connection& conn, const VariantArray& args) {
    const Lookup& companies = requireLookup("GetMesmaRaiz");
    if (args.empty())
        throw Error("GetMesmaRaiz espera 1 argumento.");
    const std::string number = upper(storedTaxNumber(args[0]));
    if (!cnpjShaped(number))
        return DataPacket(companies.provider().fields());
    return companies.read(conn, {Variant(number.substr(0, kCnpjRootLength)), Variant(number)});
}

} // namespace vq::server
