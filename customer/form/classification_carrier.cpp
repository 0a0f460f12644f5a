// TfrmCliente, commercial classification: transport type, carrier, carrier search mode and freight kind.

#include "customer/Vqm41200.h"
#include "customer/classification_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/validation/consiste.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/edit.h"
#include "platform/gui/text_controls.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;

void TfrmCliente::Vd_CdTipTrans(bool report) {
    lookups().check(lookups()["CdTipTrans"], report);
}

// The number's mask follows the stored kind; none while the number is empty.
void TfrmCliente::carrierMask() {
    ClientDataSet& master = cdsCliente();
    if (!master.Active())
        return;
    Field& number = master.FieldByName("NRINSJURTRAN");
    number.SetEditMask(number.AsString().empty()
                           ? std::string()
                           : Consiste::PictPess(master.FieldByName("IDTPIJURTRAN").AsString()));
    cls.dbeTransportadora->refresh();
}

void TfrmCliente::Vd_Transport(bool report) {
    ClientDataSet& master = cdsCliente();
    auto& l = lookups()["Transport"];
    if (master.editing()) {
        try {
            const std::string typed = Consiste::AllTrim(cls.dbeTransportadora->Text());
            if (typed.empty()) {
                if (report)
                    Consiste::MensErro(Msg(*this, "TRAN_NULO"));
            } else {
                // The number is stored and looked up as the framework normalises it, never as typed.
                const customer::CarrierNumber carrier = customer::classifyCarrier(typed);
                if (!carrier.faultKey.empty()) {
                    update();
                    Consiste::MensErro(Msg(*this, carrier.faultKey));
                }
                const std::string kind(1, carrier.kind);
                master.FieldByName("IDTPIJURTRAN").SetAsString(kind);
                master.FieldByName("NRINSJURTRAN").SetAsString(carrier.number);
                ClientDataSet& found = data_->dataSet("cdsVd_Transportadora");
                services::readInto(netClientes, "GetVd_Transportadora",
                                   VariantArray{Variant(kind), Variant(carrier.number)}, found);
                if (found.IsEmpty())
                    Consiste::MensErro(Msg(*this, "TRANSP_NAO_CAD"));
                lookups().showName(l, fieldText(found, "NMFANTTRAN"));
                if (Consiste::AllTrim(cls.dbeTipoTransp->Text()).empty()) {
                    auto& type = lookups()["CdTipTrans"];
                    master.FieldByName("CDTIPTRANS").SetAsString(fieldText(found, "CDTIPTRANS"));
                    lookups().showName(type, fieldText(found, "NMTIPTRANS"));
                }
            }
        } catch (...) {
            carrierMask();
            lookups().failed(l);
            throw;
        }
    }
    carrierMask();
}

void TfrmCliente::dbeTransportadoraEnter() {
    ClientDataSet& master = cdsCliente();
    if (!master.Active())
        return;
    // Typed freely: the kind is decided when the edit is left.
    gui::NotifyEvent change = std::move(cls.dbeTransportadora->OnChange);
    master.FieldByName("NRINSJURTRAN").SetEditMask(Consiste::PictPess("I"));
    cls.dbeTransportadora->refresh();
    cls.dbeTransportadora->OnChange = std::move(change);
}

void TfrmCliente::dbePesqTranspChange() {
    if (cdsCliente().editing()) {
        const int item = form.dbePesqTransp->ItemIndex();
        if (item == 0 || item == 1)
            cdsCliente().FieldByName("IDPESQTRANSP").SetAsString(item == 0 ? "P" : "L");
    }
    HabilitaCampos();
}

} // namespace vq
