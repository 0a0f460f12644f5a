// TfrmCliente: the master record's events around insert, edit, cancel and delete.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "framework/services/geral.h"
#include "framework/services/vorlane.h"
#include "platform/gui/choices.h"
#include "platform/gui/colors.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/text_controls.h"

namespace vq {

using customer::form::chooseByValue;
using customer::form::fieldText;

namespace {

void setText(ClientDataSet& ds, const char* field, const char* value) {
    ds.FieldByName(field).SetAsString(value);
}

} // namespace

void TfrmCliente::cdsClienteNewRecord() {
    ClientDataSet& master = cdsCliente();
    setText(master, "IDGERANFPEDI", "1");
    setText(master, "IDINDCPRB", "0");
    setText(master, "IDTPDESCCLIE", "S");
}

void TfrmCliente::cdsClienteAfterInsert() {
    ClientDataSet& master = cdsCliente();
    const bool allow = changesAllowed();
    for (gui::Control* c :
         {static_cast<gui::Control*>(form.dbeNmRazaoSoc), static_cast<gui::Control*>(form.dbeNmCompRzScli),
          static_cast<gui::Control*>(form.dbeNmFantasia), static_cast<gui::Control*>(form.lblNmRazaoSoc),
          static_cast<gui::Control*>(form.lblComp)})
        c->SetEnabled(allow);
    form.dbeNmRazaoSoc->SetColor(gui::colors::Required);
    form.dbeNmCompRzScli->SetColor(gui::colors::Normal);
    master.FieldByName("DTCADACLIE").SetAsDateTime(Geral::Date());
    setText(master, "IDPRIPUBCLIE", "V");
    const customer::form::AddressPage* address = activeAddress();
    if (address && address->kind != customer::AddressKind::Normal)
        return; // no customer is inserted from a secondary address
    setText(master, "IDCLIEATIV", "S");
    setText(master, "IDOPTANTESNCLIE", "N");
    detail.dbcAprovPed->SetItemIndex(-1);
    detail.dbcSitFin->SetItemIndex(-1);
    // "9 - Sem Ocorrência de Transporte"
    if (auto* freight = findComponent<gui::ComboBox>("dbcTipoPgto"))
        freight->SetItemIndex(5);
    else
        setText(master, "IDPGFRETTRANCLI", "9");
}

void TfrmCliente::cdsClienteBeforeEdit() {
    if (detail.pgcSituFinanc->ActivePage() != detail.tshSituFinaGeral)
        detail.pgcSituFinanc->SetActivePage(detail.tshSituFinaGeral);
    if (detail.pgcGeral->ActivePage() != detail.tshGeral)
        detail.pgcGeral->SetActivePage(detail.tshGeral);
}

void TfrmCliente::cdsClienteAfterCancel() {
    cdsClienteAfterScroll();
    const std::string code = currentCode();
    if (!code.empty() && fieldText(cdsCliente(), "IDUTGRFXVENDADIC") == "N")
        callChecked("DelVendAdicClie", {Variant(code)});
}

void TfrmCliente::cdsClienteBeforeDelete() {
    callChecked("SetAuxCodCliente", {Variant(currentCode())});
}

void TfrmCliente::cdsClienteAfterDelete() {
    Confirmar(cdsCliente(), "dspCliente");
    ClientDataSet& master = cdsCliente();
    if (master.IsEmpty()) {
        noCustomerLeft();
    } else {
        const std::string kind = fieldText(master, "IDTPIJURINFO");
        if (!kind.empty()) {
            const bool allow = changesAllowed();
            form.dbeNmRazaoSoc->SetColor(gui::colors::Required);
            form.dbeNmRazaoSoc->SetEnabled(kind == "F" || allow);
            for (gui::Control* c :
                 {static_cast<gui::Control*>(form.lblNmRazaoSoc), static_cast<gui::Control*>(form.lblComp),
                  static_cast<gui::Control*>(form.dbeNmCompRzScli)})
                c->SetEnabled(allow);
            form.dbeNmCompRzScli->SetColor(gui::colors::Normal);
        }
    }
    cmd.sbtCadAut->SetEnabled(mnuIncluir->Enabled());
    Vorlane::AtualizaLocalCache(Variant(VariantArray{Variant("DELETECAHE")}));
}

// No customer left: the grid page alone, and only insert.
void TfrmCliente::noCustomerLeft() {
    if (pgcPadrao->ActivePage() != tshFolhaDados)
        pgcPadrao->SetActivePage(tshFolhaDados);
    pgcPadrao->SetEnabled(false);
    onlyInsertEnabled();
    for (const customer::form::TabEntry& t : tabs)
        t.item->SetEnabled(false);
}

void TfrmCliente::onlyInsertEnabled() {
    for (Command c : {Command::Alterar, Command::Excluir, Command::Procurar, Command::Verificar,
                      Command::Cancelar, Command::Confirmar})
        setCommandEnabled(c, false);
    setCommandEnabled(Command::Incluir, changesAllowed());
    cmd.sbtCadAut->SetEnabled(mnuIncluir->Enabled());
}

} // namespace vq
