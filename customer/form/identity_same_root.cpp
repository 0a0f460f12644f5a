// TfrmCliente: the notice beside a new company's number (lblMesmaRaiz) naming the companies already
// registered under its CNPJ root. Only a notice: it never refuses the number, shows no dialog, and a
// failed lookup leaves it hidden with a log line for the operators.

#include "customer/Vqm41200.h"
#include "customer/same_root_notice.h"
#include "framework/services/host_catalogue.h"
#include "framework/services/messages.h"
#include "platform/data/log.h"
#include "platform/gui/containers.h"

#include <exception>

namespace vq {

void TfrmCliente::hideSameRoot() {
    ident.lblMesmaRaiz->SetCaption("");
    ident.lblMesmaRaiz->SetVisible(false);
}

void TfrmCliente::showSameRoot(const std::string& number) {
    hideSameRoot();
    try {
        VariantArray args{Variant(number)};
        const Variant answer = netClientes.Call("GetMesmaRaiz", args);
        if (!answer.is(VariantKind::Packet)) {
            log::warn("Cliente: GetMesmaRaiz(" + number +
                      ") não respondeu a lista de empresas: " + answer.describe());
            return;
        }
        const DataPacket& companies = answer.asPacket();
        if (companies.rowCount() == 0)
            return;
        std::string list = customer::sameRootList(companies);
        if (companies.rowCount() > customer::kSameRootShown)
            list = formatMsg(Msg(*this, "Mesma_Raiz_Mais"),
                             {list, std::to_string(companies.rowCount() - customer::kSameRootShown)});
        ident.lblMesmaRaiz->setWordWrap(true);
        ident.lblMesmaRaiz->SetCaption(formatMsg(Msg(*this, "Mesma_Raiz"), {list}));
        ident.lblMesmaRaiz->SetVisible(true);
    } catch (const std::exception& e) {
        log::warn("Cliente: aviso de mesma raiz de CNPJ para " + number + " não consultado: " + e.what());
    }
}

} // namespace vq
