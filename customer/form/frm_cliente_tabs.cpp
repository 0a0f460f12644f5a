// TfrmCliente: leaving and entering tabs, and what each tab reads from the server when it is entered.

#include "customer/Vqm41200.h"
#include "customer/additional_data.h"
#include "customer/form/form_support.h"
#include "customer/reload_rule.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/host_catalogue.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/text_controls.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;
using enum customer::form::Tab;

// ---- Loading

namespace {

// A failed read leaves none of the previous customer's rows on show, where they would pass for this
// customer's and be edited under its code; the next entry reads again.
template <class Read> void readOrEmpty(std::initializer_list<ClientDataSet*> dataSets, Read read) {
    try {
        read();
    } catch (...) {
        for (ClientDataSet* ds : dataSets)
            if (ds->Active() && !ds->editing())
                ds->EmptyDataSet();
        throw;
    }
}

} // namespace

void TfrmCliente::load(ClientDataSet& dataSet, std::string_view method) {
    Showavi::Scope busy(this, Showavi::kSearching);
    readOrEmpty({&dataSet}, [&] {
        services::readInto(netClientes, method, VariantArray{Variant(currentCode())}, dataSet);
    });
}

void TfrmCliente::loadIfNeeded(ClientDataSet& dataSet, std::string_view method) {
    if (customer::needsReload(dataSet, currentCode()))
        load(dataSet, method);
}

void TfrmCliente::InfoPaginaDadosAdicionais() {
    ClientDataSet& indice = data_->cdsIndice();
    ClientDataSet& mensagens = data_->cdsMensCliente();
    // An invoice message typed but not yet confirmed stays until the confirm sends it.
    if (!customer::mayReplaceRows(indice) || !customer::mayReplaceRows(mensagens))
        return;
    Showavi::Scope busy(this, Showavi::kSearching);
    readOrEmpty({&indice, &mensagens}, [&] {
        VariantArray args{Variant(std::string()), Variant("T"), Variant(currentCode())};
        const Variant result = services::RemoteCall(netClientes)("GetInfoPaginaDadosAdicionais", args);
        customer::loadAdditionalData(
            indice, mensagens, Consiste::CheckResultServ(result, true, Consiste::ResultKind::StatusArray));
    });
}

void TfrmCliente::loadAddress(customer::form::AddressPage& page) {
    ClientDataSet& address = data_->address(page.kind);
    loadIfNeeded(address, data_->descriptor(address.Name()).loadMethod);
    if (!address.Active() || !page.postalCode)
        return;
    Field& cep = address.FieldByName("NRCEPCLIE");
    const std::string country = address.IsEmpty() ? std::string() : address.FieldByName("CDPAIS").AsString();
    cep.SetEditMask(customer::postalCodeMask(country));
    page.postalCode->refresh();
}

// ---- Leaving a tab: the checks of the fields on it; a failing check keeps the tab.

void TfrmCliente::pgcPadraoChanging(bool& allowChange) {
    TfrmPadrao::pgcPadraoChanging(allowChange);
    ClientDataSet& master = cdsCliente();
    const bool editing = master.editing();
    const Tab tab = activeTab();
    if (tab == Formulario && editing) {
        if (master.State() == DataSetState::Insert && !form.dbeNmFantasia->Text().empty())
            master.FieldByName("NMFANTCLIE").SetAsString(form.dbeNmFantasia->Text());
        nameExitChecks();
    } else if (customer::form::AddressPage* address = activeAddress()) {
        addressExitChecks(*address);
    } else if (tab == FormPgto && editing) {
        if (fieldText(master, "IDTPFORPGTCL") == "F") {
            master.FieldByName("NRDIAPGFIXCL").SetAsInteger(extra.speDiaFixo->Value());
            master.FieldByName("NRPARCPGTOCL").SetAsInteger(extra.speParcela->Value());
        }
        if (extra.drgFormPgto->ItemIndex() == 2)
            paymentExitChecks();
    } else if (tab == DadosAdic) {
        additionalDataExitChecks();
    }
}

// ---- Entering a tab

void TfrmCliente::pgcPadraoChange() {
    TfrmPadrao::pgcPadraoChange();
    const Tab tab = activeTab();
    if (activeAddress())
        closeAddressLookups();
    ClientDataSet& master = cdsCliente();
    const bool allow = changesAllowed();
    const DataSetState state = dtsPadrao.State();
    customer::form::AddressPage* address = activeAddress();
    const bool secondaryAddress = address && address->kind != customer::AddressKind::Normal;

    cmd.sbtImpProsp->SetEnabled(tab == FolhaDados || (tab == Formulario && !master.editing()));
    // The contact's address page enables it too (pgcInterlocChange).
    cmd.mnuCopiaEndereo->SetEnabled(
        (secondaryAddress || (tab == Interloc && detail.pgcInterloc->ActivePage() == detail.tshEndeInter)) &&
        allow);
    markActiveTab();

    if (tab == Formulario) {
        if (state == DataSetState::Insert) {
            enableTaxNumberEdits(allow);
        } else if (state == DataSetState::Browse && isVisible() && !form.dbeCdInscEsta->Focused()) {
            if (form.dbeNmRazaoSoc->CanFocus())
                form.dbeNmRazaoSoc->SetFocus();
            else if (form.dbeNmFantasia->CanFocus())
                form.dbeNmFantasia->SetFocus();
        }
        if (!master.editing())
            showClassification(true);
    }

    const bool hasCustomer = master.Active() && !master.IsEmpty();
    if (hasCustomer) {
        if (tab == DadosPed && master.State() != DataSetState::Edit) {
            loadIfNeeded(data_->cdsPrecoBaseCli(), "GetPrecoBaseCli");
            form.btpVendAdic->SetEnabled(detail.dcbIDUTGRFXVENDADIC->Checked());
        }
        if (address)
            loadAddress(*address);
        if (tab == SitFinanc && master.State() == DataSetState::Browse) {
            if (customer::mayReplaceRows(data_->cdsSocios()))
                load(data_->cdsSocios(), "GetSocios");
            ControlaSituacaoFinanceira();
        }
        if (tab == FormPgto) {
            const std::string kind = fieldText(master, "IDTPFORPGTCL");
            if (kind == "F") {
                extra.speDiaFixo->SetValue(static_cast<int>(master.FieldByName("NRDIAPGFIXCL").AsInteger()));
                extra.speParcela->SetValue(static_cast<int>(master.FieldByName("NRPARCPGTOCL").AsInteger()));
            } else if ((kind.empty() || kind == "X") && extra.drgFormPgto->ItemIndex() != 0) {
                extra.drgFormPgto->SetItemIndex(0);
            }
            if (!Vqm41200::unit().boCtrlDel) {
                loadIfNeeded(data_->cdsPrazoPgtoClie(), "GetPrazoPgtoClie");
                AjustaFormPgto();
            }
        }
        if (secondaryAddress && master.State() == DataSetState::Edit) {
            ClientDataSet& ds = data_->address(address->kind);
            if (!ds.editing()) {
                if (ds.IsEmpty())
                    ds.Append();
                else
                    ds.Edit();
            }
        }
        if (tab == DadosAdic)
            InfoPaginaDadosAdicionais();
    }

    ControlaBotoes(browsingNow());
    for (const customer::form::TabEntry& t : tabs)
        if (t.item)
            t.item->SetEnabled(t.sheet->Enabled());

    if (hasCustomer && tab == Observ) {
        loadIfNeeded(data_->cdsObserv(), "GetObserv");
        if (!customer::form::editing(*data_->sourceOf("cdsObserv")))
            ControlaBotoes(true);
    }
    if (tab == Interloc) {
        ClientDataSet& contacts = data_->cdsInterloc();
        if (hasCustomer && !contacts.editing())
            loadIfNeeded(contacts, "GetInterloc");
        if (!contacts.editing()) {
            const bool none = !contacts.Active() || contacts.IsEmpty();
            if (none) {
                setCommandEnabled(Command::Incluir, allow);
                for (Command c : {Command::Alterar, Command::Excluir, Command::Procurar, Command::Verificar})
                    setCommandEnabled(c, false);
            } else {
                ControlaBotoes(browsingNow()); // decided above while the contacts were not read yet
            }
            detail.pgcInterloc->SetEnabled(!none);
            for (gui::MenuItem* item : {mnuDadosInter, mnuFormInter, mnuEndeInter, mnuCorres})
                item->SetEnabled(!none);
        }
    }
    if (tab == BancoPref) {
        ClientDataSet& banks = data_->cdsBancoPref();
        if (hasCustomer && customer::mayReplaceRows(banks))
            load(banks, "GetBancoPref");
        if (!banks.editing()) {
            if (!banks.Active() || banks.IsEmpty()) {
                setCommandEnabled(Command::Incluir, allow);
                for (Command c : {Command::Alterar, Command::Excluir, Command::Procurar, Command::Verificar,
                                  Command::Cancelar, Command::Confirmar})
                    setCommandEnabled(c, false);
            } else {
                ControlaBotoes(true);
            }
        }
    }
    if (tab == Formulario && isVisible()) {
        if (state == DataSetState::Insert && form.dbeInscricao->CanFocus())
            form.dbeInscricao->SetFocus();
        else if (state == DataSetState::Edit && fieldText(master, "IDTPIJURINFO").rfind('F', 0) != 0 &&
                 !Vqm41200::unit().boEnter && form.dbeNmRazaoSoc->CanFocus())
            form.dbeNmRazaoSoc->SetFocus();
    }
    if (hasCustomer && tab == Personalizacao)
        showLanguage();
    setDeleteAddressCommand();
    cmd.sbtCadAut->SetEnabled(mnuIncluir->Enabled());
}

void TfrmCliente::closeAddressLookups() {
    for (TADOIBQuery* query : {&geography.qryPais, &geography.qryEstado, &geography.qryMunicipio})
        query->Close();
}

void TfrmCliente::setDeleteAddressCommand() {
    const customer::form::AddressPage* address = activeAddress();
    if (address && address->kind != customer::AddressKind::Normal) {
        const std::string text = formatMsg(Msg(*this, "HINT_EXCLUIR_ENDE"), {address->sheet->Caption()});
        // Deleting is a change: never offered while viewing only.
        cmd.mnuExcluirEndereco->SetEnabled(changesAllowed());
        cmd.mnuExcluirEndereco->SetCaption(text);
        cmd.sbtExcluirEndereco->SetHint(text);
    } else {
        cmd.mnuExcluirEndereco->SetEnabled(false);
        cmd.mnuExcluirEndereco->SetCaption(Msg(*this, "HINT_EXCLUIR_ENDE_PADR"));
        cmd.sbtExcluirEndereco->SetHint(Msg(*this, "HINT_EXCLUIR_ENDE_PADR"));
    }
}

void TfrmCliente::markActiveTab() {
    const gui::TabSheet* active = pgcPadrao->ActivePage();
    const bool personalisation = inModule(customer::ModuleRule::Personalisation);
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        const customer::form::TabEntry& t = tabs[i];
        if (static_cast<Tab>(i) == Personalizacao && !personalisation)
            continue;
        t.item->SetChecked(t.sheet == active);
    }
}

void TfrmCliente::pgcGeralChange() {
    const bool general = detail.pgcGeral->ActivePage() == detail.tshGeral;
    mnuGeral->SetChecked(general);
    mnuPrcBase->SetChecked(!general);
    ControlaBotoes(general);
}

void TfrmCliente::tshFormularioEnter() {
    nameEnter();
}

void TfrmCliente::Validate() {
    const Tab tab = activeTab();
    const bool editing = customer::form::editing(dtsPadrao);
    if ((tab == Formulario || tab == DadoProsp) && editing) {
        if (tab == Formulario && dtsPadrao.State() == DataSetState::Insert)
            registrationExitCheck();
        nameExitChecks();
    } else if (customer::form::AddressPage* address = activeAddress()) {
        if (data_->address(address->kind).editing())
            addressExitChecks(*address);
    }
}

} // namespace vq
