#include "server/core/batch_target.h"

#include "contract/all_flag.h"
#include "contract/code_list.h"
#include "platform/data/error.h"

#include <algorithm>
#include <array>

namespace vq::server {

namespace {

constexpr std::array<std::string_view, 5> kAddressKinds = {"P", "C", "E", "X", "T"};
constexpr std::size_t kCodesPerInsert = 200; // bound values per INSERT, well under every limit

std::string text(const Variant& v) {
    return v.isNull() ? std::string() : v.toString();
}

std::string trimmed(std::string s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The picked codes of one kind ("C" customer, "P" country, "E" state, "M" municipality) go to BATCHCODIGO.
void insertCodes(db::Connection& conn, std::string_view kind, const std::vector<std::string>& codes) {
    for (std::size_t at = 0; at < codes.size(); at += kCodesPerInsert) {
        const std::size_t n = std::min(kCodesPerInsert, codes.size() - at);
        std::string sql = "INSERT INTO BATCHCODIGO (TIPO, CODIGO) VALUES ";
        db::Params params{{"P_TIPO", Variant(std::string(kind))}};
        for (std::size_t i = 0; i < n; ++i) {
            const std::string name = "P_C" + std::to_string(i);
            sql += (i ? ", (:P_TIPO, :" : "(:P_TIPO, :") + name + ")";
            params.emplace(name, Variant(codes[at + i]));
        }
        conn.execute(sql, params);
    }
}

std::string codesOf(std::string_view kind) {
    return "(SELECT CODIGO FROM BATCHCODIGO WHERE TIPO = '" + std::string(kind) + "')";
}

} // namespace

BatchSelection batchSelectionFrom(const Variant& countries, const Variant& states,
                                  const Variant& municipalities, const Variant& addressKind,
                                  const Variant& customers) {
    BatchSelection s;
    const std::string list = text(customers);
    if (!contract::isAllFlag(list))
        s.customers = contract::listCodes(list);
    s.countries = contract::listCodes(text(countries));
    s.states = contract::listCodes(text(states));
    s.municipalities = contract::listCodes(text(municipalities));
    s.addressKind = trimmed(text(addressKind));
    if (!s.addressKind.empty() &&
        std::find(kAddressKinds.begin(), kAddressKinds.end(), s.addressKind) == kAddressKinds.end())
        throw Error("Tipo de endereço \"" + s.addressKind + "\" desconhecido.");
    return s;
}

std::int64_t fillBatchTarget(db::Connection& conn, const BatchSelection& selection) {
    if (!conn.inTransaction())
        throw std::logic_error("fillBatchTarget needs a transaction");
    conn.execute(
        "CREATE TEMPORARY TABLE BATCHCODIGO (TIPO VARCHAR(1) NOT NULL, CODIGO VARCHAR(30) NOT NULL)");
    conn.execute("CREATE TEMPORARY TABLE BATCHALVO (NRORDEM INTEGER NOT NULL PRIMARY KEY, "
                 "CDCLIENTE VARCHAR(21) NOT NULL)");
    if (selection.customers)
        insertCodes(conn, "C", *selection.customers);
    insertCodes(conn, "P", selection.countries);
    insertCodes(conn, "E", selection.states);
    insertCodes(conn, "M", selection.municipalities);

    std::string where;
    db::Params params;
    if (selection.customers)
        where += " AND C.CDCLIENTE IN " + codesOf("C");
    const bool geography =
        !(selection.countries.empty() && selection.states.empty() && selection.municipalities.empty());
    if (!selection.addressKind.empty() || geography) {
        std::string address = "E.CDCLIENTE = C.CDCLIENTE";
        if (!selection.addressKind.empty()) {
            address += " AND E.IDTPENDECLIE = :P_IDTPENDECLIE";
            params.emplace("P_IDTPENDECLIE", Variant(selection.addressKind));
        }
        if (!selection.countries.empty())
            address += " AND E.CDPAIS IN " + codesOf("P");
        if (!selection.states.empty())
            address += " AND E.CDPAIS || E.SGESTADO IN " + codesOf("E");
        if (!selection.municipalities.empty())
            address += " AND E.CDPAIS || E.SGESTADO || E.CDMUNICIPIO IN " + codesOf("M");
        where += " AND EXISTS (SELECT 1 FROM ENDECLIE E WHERE " + address + ")";
    }
    return conn.execute("INSERT INTO BATCHALVO (NRORDEM, CDCLIENTE) SELECT ROW_NUMBER() OVER (ORDER BY "
                        "C.CDCLIENTE), C.CDCLIENTE FROM CLIENTE C WHERE 1 = 1" +
                            where,
                        params);
}

void forEachBatchChunk(std::int64_t total,
                       const std::function<void(std::int64_t from, std::int64_t to)>& step,
                       const std::function<void(std::int64_t done, std::int64_t total)>& progress) {
    for (std::int64_t from = 0; from < total; from += kBatchChunk) {
        const std::int64_t to = std::min(total, from + kBatchChunk);
        step(from, to);
        if (progress)
            progress(to, total);
    }
}

} // namespace vq::server
