#include "server/core/address_removal.h"

#include "platform/data/log.h"
#include "platform/db/transaction.h"

#include <string>
#include <string_view>

namespace vq::server {

namespace {

constexpr std::string_view kSecondaryKinds[] = {"C", "E", "X", "T"};

bool secondaryKind(std::string_view letter) {
    for (std::string_view k : kSecondaryKinds)
        if (k == letter)
            return true;
    return false;
}

Variant answer(std::string_view status, std::string_view text) {
    return Variant(VariantArray{Variant(std::string(status)), Variant(std::string(text))});
}

} // namespace

Variant deleteSecondaryAddress(db::Connection& conn, const Variant& code, const Variant& letter) {
    const std::string customer = code.toString();
    const std::string kind = letter.toString();
    if (!secondaryKind(kind))
        return Variant(
            "Tipo de endereço \"" + kind +
            "\" não pode ser excluído: informe C, E, X ou T (o endereço normal sai com o cliente).");
    db::Transaction tx(conn);
    const std::int64_t removed =
        conn.execute("DELETE FROM ENDECLIE WHERE CDCLIENTE = :P_CDCLIENTE AND IDTPENDECLIE = :P_IDTPENDECLIE",
                     db::Params{{"P_CDCLIENTE", Variant(customer)}, {"P_IDTPENDECLIE", Variant(kind)}});
    tx.commit();
    if (removed == 0)
        return answer("N", "Endereço não encontrado.");
    log::info("ENDECLIE CDCLIENTE=" + customer + " IDTPENDECLIE=" + kind + " deleted by ExcluirEndereco");
    return answer("S", "");
}

} // namespace vq::server
