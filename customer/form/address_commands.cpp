// TfrmCliente: the address commands (copy the normal address, delete a secondary address, the delivery
// locations), the telephone key filters, the page lock while an address is edited, and the hand-over of a
// converted prospect's address rows.

#include "customer/Vqm41200.h"
#include "customer/address_rules.h"
#include "customer/customer_dataset_rules.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/host_catalogue.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "framework/services/vorlane.h"
#include "platform/data/utf8_text.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/seams.h"
#include "platform/gui/ui_locks.h"
#include "services/app_server.h"

namespace vq {

using customer::AddressKind;

namespace {

// The telephone-like and extension edits; the contact's are wired when its page holds them.
constexpr const char* kPhoneEdits[] = {
    "dbeTelClie",       "dbeTelClie1",       "dbeCelClie",      "dbeResClie",      "dbeFaxClie",
    "dbeNrTelClieCobr", "dbeNrTelClieCobr1", "dbeCelClieCobr",  "dbeResClieCobr",  "dbeNrFaxClieCobr",
    "dbeNrTelExt",      "dbeNrTelExt1",      "dbeNrFaxExt",     "dbeCelClieExt",   "dbeResClieExt",
    "dbeNrTelExp",      "dbeNrTelExp1",      "dbeCelClieExp",   "dbeResClieExp",   "dbeNrFaxExp",
    "dbeTelEntrg",      "dbeTelEntrg1",      "dbeCelCLieEntrg", "dbeResClieEntrg", "dbeFaxEntrg",
    "dbeTel1",          "dbeTel2",           "dbeFax",          "dbeCelIntClie",   "dbeResIntClie",
};
constexpr const char* kExtensionEdits[] = {
    "dbeRamalClie", "dbeRamalClie1", "dbeNrRamalCobr", "dbeNrRamalCobr1", "dbeRamalExt", "dbeRamalExt1",
    "dbeRamalExp",  "dbeRamalExp1",  "dbeRamalEntrg",  "dbeRamalEntrg1",  "dbeRamal1",   "dbeRamal2",
};

gui::KeyPressEvent keyFilter(bool (*accepted)(char16_t)) {
    return [accepted](char16_t& key) {
        if (!accepted(key))
            key = 0;
    };
}

} // namespace

void TfrmCliente::wireAddressCommands() {
    for (const char* name : kPhoneEdits)
        if (auto* edit = findComponent<gui::Control>(name))
            edit->OnKeyPress = keyFilter(&customer::phoneKeyAccepted);
    for (const char* name : kExtensionEdits)
        if (auto* edit = findComponent<gui::Control>(name))
            edit->OnKeyPress = keyFilter(&customer::extensionKeyAccepted);

    for (const char* name : {"sbtCopiar", "mnuCopiaEndereo"})
        if (auto* item = findComponent<gui::MenuItem>(name))
            item->OnClick = [this] { sbtCopiarClick(); };
        else
            component<gui::ToolButton>(name)->OnClick = [this] { sbtCopiarClick(); };
    cmd.mnuExcluirEndereco->OnClick = [this] { sbtExcluirEnderecoClick(); };
    cmd.sbtExcluirEndereco->OnClick = [this] { sbtExcluirEnderecoClick(); };
    cmd.sbtLocEntrCli->OnClick = [this] { sbtLocEntrCliClick(); };

    for (customer::form::AddressPage& page : addresses) {
        ClientDataSet& ds = data_->address(page.kind);
        if (DataSource* source = data_->sourceOf(ds.Name()))
            source->OnStateChange = [this, &page](DataSource& s) { lockOtherPages(page.sheet, s.State()); };
        // The save itself is the record commands'; a converted prospect's row goes to the conversion.
        customer::runAfter(ds.AfterPost, [this](ClientDataSet& posted) {
            if (Vqm41200::unit().boImpProsp && inModule(customer::ModuleRule::DuplicateTaxRefused))
                ImportaEnderecoProspectCliente(posted);
        });
    }
}

// ---- Page lock

void TfrmCliente::lockOtherPages(gui::TabSheet* keep, DataSetState state) {
    if (destroying_ || Vqm41200::unit().boScroll || cdsCliente().State() != DataSetState::Browse)
        return;
    const bool editing = state == DataSetState::Edit || state == DataSetState::Insert;
    {
        gui::WindowUpdateLock lock(*this);
        for (const customer::form::TabEntry& t : tabs) {
            if (t.sheet == keep)
                continue;
            t.sheet->SetEnabled(!editing);
            t.item->SetEnabled(!editing);
        }
    }
    if (editing)
        ControlaBotoes(false);
}

// ---- Copy

void TfrmCliente::sbtCopiarClick() {
    ClientDataSet& normal = data_->cdsEndeClieNorm();
    if (normal.editing())
        normal.UpdateRecord();
    if (customer::form::AddressPage* page = activeAddress()) {
        if (page->kind != AddressKind::Normal)
            CopiaEndereco(data_->address(page->kind));
        return;
    }
    if (activeTab() != Tab::Interloc || detail.pgcInterloc->ActivePage() != detail.tshEndeInter)
        return;
    // The contact pages never read the normal address: the copy reads the current customer's.
    loadIfNeeded(normal, "GetEndeClieNorm");
    if (!normal.Active() || normal.IsEmpty())
        return;
    ClientDataSet& contacts = data_->cdsInterloc();
    customer::checkCopyFits(normal, contacts, customer::contactAddressFields());
    if (contacts.State() == DataSetState::Browse)
        contacts.Edit();
    customer::copyFields(normal, contacts, customer::contactAddressFields());
}

void TfrmCliente::CopiaEndereco(ClientDataSet& target) {
    const std::vector<customer::FieldPair> fields = customer::sameFields(customer::copiedAddressFields());
    const ClientDataSet& normal = data_->cdsEndeClieNorm();
    customer::checkCopyFits(normal, target, fields);
    if (cdsCliente().State() == DataSetState::Browse)
        cdsCliente().Edit();
    if (!target.editing()) {
        if (target.Active() && !target.IsEmpty())
            target.Edit();
        else
            target.Append();
    }
    customer::copyFields(normal, target, fields);
}

// ---- Delete a secondary address

void TfrmCliente::sbtExcluirEnderecoClick() {
    customer::form::AddressPage* page = activeAddress();
    if (!page || page->kind == AddressKind::Normal)
        return;
    const std::string caption = page->sheet->Caption();
    const std::string lower = utf8::toLower(caption);
    const ClientDataSet& ds = data_->address(page->kind);
    if (!ds.Active() || ds.IsEmpty())
        Consiste::MensErro(formatMsg(Msg(*this, "ENDECLIE_VAZIO"), {lower}));
    if (!gui::confirm(formatMsg(Msg(*this, "Excl_EndeClie"), {lower})))
        return;
    Variant answer;
    {
        Showavi::Scope busy(this, Showavi::kUpdating, formatMsg(Msg(*this, "EXCLUINDO_ENDECLIE"), {caption}));
        VariantArray args{Variant(currentCode()),
                          Variant(std::string(customer::addressKindCode(page->kind)))};
        answer = services::RemoteCall(netClientes)("ExcluirEndereco", args);
    }
    Consiste::CheckResultServ(answer, true, Consiste::ResultKind::StatusArray);
    sbtVerificarClick();
}

// ---- Delivery locations

void TfrmCliente::sbtLocEntrCliClick() {
    const ClientDataSet& master = cdsCliente();
    if (!master.Active() || master.IsEmpty())
        return;
    VariantArray values;
    for (const char* name : {"CDCLIENTE", "NRINSJURCLIE", "NMFANTCLIE", "IDTPIJURCLIE"})
        values.push_back(Variant(master.FieldByName(name).AsString()));
    Vorlane::LoadBPL("VQM87100", values);
}

} // namespace vq
