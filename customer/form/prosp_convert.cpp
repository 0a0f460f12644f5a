// TfrmCliente: the chosen prospect becomes the customer being confirmed. The customer's record and
// addresses posted meanwhile keep their change logs, and one call moves them with everything that hangs
// off the prospect, all or nothing.

#include "contract/prosp_fields.h"
#include "customer/Vqm41200.h"
#include "framework/forms/form_texts.h"
#include "framework/services/geral.h"
#include "framework/services/showavi.h"
#include "framework/services/vorlane.h"
#include "platform/data/error.h"
#include "platform/data/log.h"

namespace vq {

// A posted address waits for the conversion, which sends its change log with the customer's.
void TfrmCliente::ImportaEnderecoProspectCliente(ClientDataSet& dataSet) {
    log::debug("Cliente: endereço " + dataSet.Name() + " aguarda a conversão do prospect " + prospect_.code);
}

void TfrmCliente::ApagaProspect(bool transfer) {
    // Nothing moves or goes without a prospect chosen for this customer.
    if (!transfer || !prospect_.chosen() || !Vqm41200::unit().boImpProsp)
        return;
    ClientDataSet& master = cdsCliente();
    std::array<const ClientDataSet*, customer::kAddressKindCount> logs{};
    for (int k = 0; k < customer::kAddressKindCount; ++k)
        logs[static_cast<std::size_t>(k)] = &data_->address(static_cast<customer::AddressKind>(k));
    const std::string code = currentCode();
    VariantArray args =
        customer::convertProspectArguments(code, prospect_, master, logs, Vorlane::Operador(), Geral::Now());
    Variant answer;
    try {
        Showavi::Scope busy(this, Showavi::kUpdating, forms::formText(*this, "Atual_Oper"));
        answer = callChecked(contract::prospect::kConvertProspect, std::move(args));
    } catch (...) {
        // Shown by the check. The logs and the prospect stay, and the customer goes back to editing so
        // that confirming again retries; it is not re-read, which would drop what was typed.
        log::warn("Cliente: conversão do prospect " + prospect_.code + " em " + code + " recusada");
        try {
            if (master.State() == DataSetState::Browse && !master.IsEmpty())
                master.Edit();
            updateCommands();
        } catch (const std::exception& e) {
            log::warn(std::string("Cliente: edição após conversão recusada falhou: ") + e.what());
        }
        throw;
    }
    const auto result = customer::readConversionAnswer(answer);
    if (!result)
        throw Error("Resposta inesperada do servidor à conversão do prospect " + prospect_.code + ".");
    master.MergeChangeLog();
    for (int k = 0; k < customer::kAddressKindCount; ++k)
        if (ClientDataSet& a = data_->address(static_cast<customer::AddressKind>(k)); a.Active())
            a.MergeChangeLog();
    log::info("Cliente: prospect " + prospect_.code + " convertido no cliente " + result->customer + " com " +
              std::to_string(result->contacts.size()) + " interlocutor(es)");
}

} // namespace vq
