// TfrmCliente, contacts concern: the contact form's lookups and checks (code, name, level, coded role,
// employee), its lookup lists, and the wiring of the contact, correspondence and observation events.

#include "customer/Vqm41200.h"
#include "customer/customer_dataset_rules.h"
#include "customer/field_builders.h"
#include "customer/form/form_support.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;

namespace {

using customer::str;

// The lookup lists the contact pages fill from the server (the packets carry the same names).
constexpr FieldSpec kRoleFields[] = {str("CDCARGOINTERLOC", 5, "Código"), str("NMCARGOINTERLOC", 50, "Nome")};
constexpr FieldSpec kEmployeeFields[] = {str("CDFUNC", 10, "Código"), str("CDEMPRESA", 2, "Empresa"),
                                         str("NMFUNC", 40, "Nome")};
constexpr FieldSpec kTypeFields[] = {str("CDTIPOCORR", 3, "Código"), str("NMTIPOCORR", 40, "Descrição")};
constexpr FieldSpec kAuxTypeFields[] = {str("CDCLIENTE", 21), str("CDINTECLIE", 2), str("CDTIPOCORR", 3)};
constexpr FieldSpec kOperatorFields[] = {str("CDOPERADOR", 12, "Código"), str("NMOPERADOR", 40, "Nome")};

struct ListFields {
    const char* dataSet;
    std::span<const FieldSpec> fields;
};
const ListFields kLists[] = {
    {"cdsVd_CargoInterloc", kRoleFields}, {"cdsCargoInterloc", kRoleFields},
    {"cdsFuncionario", kEmployeeFields},  {"cdsVd_Func", kEmployeeFields},
    {"cdsTipoCorr", kTypeFields},         {"cdsAuxCorres", kAuxTypeFields},
    {"cdsOperador", kOperatorFields},
};

constexpr gui::ColumnSpec kColumns[] = {
    {"dbgInterloc", "CDINTECLIE", "Código", 6},
    {"dbgInterloc", "NMINTECLIE", "Nome", 30},
    {"dbgInterloc", "IDTPINTECLIE", "Nível", 16},
    {"dbgInterloc", "DSCARGINCLIE", "Cargo", 30},
    {"dbgInterloc", "IDSTINTECLIE", "Situação", 8},
    {"dbgInterloc", "NRTEL1INCLIE", "Telefone", 16},
    {"dbgCorres", "CDTIPOCORR", "Tipo", 6},
    {"dbgCorres", "NMTIPOCORR", "Descrição", 40, {.readOnly = true}},
    {"dbgObserv", "DTHROBSCLIE", "Data/Hora", 18},
    {"dbgObserv", "CDOPERADOR", "Nome", 40},
};

bool editingState(const ClientDataSet& ds) {
    return ds.editing();
}

} // namespace

void TfrmCliente::buildContacts() {
    for (const ListFields& list : kLists)
        lookupList(list.dataSet).CreateFields(list.fields);
    gui::buildColumns(*this, kColumns);
    const auto place = [](gui::GroupBox& group, const char* name, const char* title, const char* empty,
                          int row, int col) {
        auto* button = new TBtnPesquisa(&group, name); // owned by its group box
        button->Title = title;
        button->EmptyText = empty;
        gui::gridOf(group).addWidget(button, row, col);
        return button;
    };
    auto& c = interloc;
    c.BtnCodCargo = place(*c.grbInterloc, "BtnCodCargo", "Cargo", "Não há cargo cadastrado.", 2, 1);
    c.BtnCodCargo->SetListSource(lookupList("cdsCargoInterloc"));
    c.btpFuncionario =
        place(*c.grbInterloc, "btpFuncionario", "Funcionário", "Não há funcionário cadastrado.", 3, 1);
    c.btpFuncionario->SetListSource(lookupList("cdsFuncionario"));

    // The operator column shows the operator's name; a row without one shows its code.
    data_->cdsObserv().FieldByName("CDOPERADOR").OnGetText = [](Field& sender, std::string& text, bool) {
        const Field* name = sender.DataSet().FindField("NMOPERADOR");
        text = name && !name->AsString().empty() ? name->AsString() : sender.AsString();
    };
}

void TfrmCliente::wireContacts() {
    auto& c = interloc;
    ClientDataSet& contacts = data_->cdsInterloc();
    data_->sourceOf("cdsInterloc")->OnStateChange = [this](DataSource&) { dtsInterlocStateChange(); };
    customer::runBefore(contacts.BeforePost, [this](ClientDataSet&) { Vd_Nivel(); });
    // The refresh and the record change read the correspondence themselves (boScroll).
    customer::runAfter(contacts.AfterScroll, [this](ClientDataSet&) {
        if (!Vqm41200::unit().boScroll && onTab(Tab::Interloc) &&
            detail.pgcInterloc->ActivePage() == detail.tshCorres)
            loadCorrespondence();
    });

    c.dbeCdInterloc->OnExit = [this, &contacts] {
        if (!editingState(contacts))
            return;
        Vd_CodInterloc(false);
        if (inModule(customer::ModuleRule::ShortContactPages) && interloc.dbcSituacao->CanFocus())
            SetFocus(*interloc.dbcSituacao);
    };
    c.dbcSituacao->OnExit = [this, &contacts] {
        if (editingState(contacts) && inModule(customer::ModuleRule::ShortContactPages) &&
            interloc.dbeNmInter->CanFocus())
            SetFocus(*interloc.dbeNmInter);
    };
    c.dbeCodCargo->OnExit = [this, &contacts] {
        if (editingState(contacts))
            Vd_CargoInterloc(false);
    };
    c.dbeCdFunc->OnExit = [this, &contacts] {
        if (editingState(contacts))
            Vd_Funcionario(true);
    };
    c.dbeCdFunc->OnChange = [&contacts] {
        if (!editingState(contacts))
            return;
        contacts.FieldByName("CDEMPRESA").Clear();
        contacts.FieldByName("NMFUNC").Clear();
    };
    c.BtnCodCargo->OnBeforePesq = [this](bool&) {
        readLookup(lookupList("cdsCargoInterloc"), "GetCargoInterloc", "", "T");
    };
    c.BtnCodCargo->OnAfterPesq = [this] {
        contactSearched(*interloc.BtnCodCargo, {"CDCARGOINTERLOC", "NMCARGOINTERLOC"});
    };
    c.btpFuncionario->OnBeforePesq = [this](bool&) {
        readLookup(lookupList("cdsFuncionario"), "GetFuncionario", "", "");
    };
    // The code first: its change clears company and name, which are copied after it.
    c.btpFuncionario->OnAfterPesq = [this] {
        contactSearched(*interloc.btpFuncionario, {"CDFUNC", "CDEMPRESA", "NMFUNC"});
    };
    wireContactAddress();
    wireCorrespondence();
    wireObservations();
}

void TfrmCliente::contactSearched(TBtnPesquisa& button, std::initializer_list<const char*> fields) {
    ClientDataSet& contacts = data_->cdsInterloc();
    if (contacts.State() == DataSetState::Browse)
        contacts.Edit();
    for (const char* f : fields)
        contacts.FieldByName(f).SetAsString(button.Text(f));
}

void TfrmCliente::contactFailed(gui::TabSheet* inner, gui::Control* control) {
    geographyFailed(inner, control, true);
}

// ---- Checks

void TfrmCliente::Vd_CodInterloc(bool report) {
    ClientDataSet& contacts = data_->cdsInterloc();
    gui::DbEdit& edit = *interloc.dbeCdInterloc;
    try {
        const std::string typed = edit.Text();
        if (Consiste::EmptyString(typed)) {
            if (report)
                Consiste::MensErro(Msg(*this, "CodInter_inf"));
            return;
        }
        if (report)
            return;
        const std::string code = Consiste::Ajusta(typed, 2);
        if (code.size() > 2)
            Consiste::MensErro("Código do interlocutor \"" + code + "\" com mais de 2 caracteres.");
        contacts.FieldByName("CDINTECLIE").SetAsString(code);
        VariantArray args{Variant(currentCode()), Variant(code)};
        // The answer is a text, but a server failure is still a failure and is shown as such.
        const Variant taken =
            Consiste::CheckResultServ(services::RemoteCall(netClientes)("getInteClie", args), true);
        if (!Consiste::EmptyString(taken.toString()))
            Consiste::MensErro(Msg(*this, "CodInter_inv"));
    } catch (...) {
        contactFailed(detail.tshFormInter, &edit);
        throw;
    }
}

void TfrmCliente::Vd_NmInterloc() {
    if (!Consiste::EmptyString(interloc.dbeNmInter->Text()))
        return;
    try {
        Consiste::MensErro(Msg(*this, "NmInterloc_inf"));
    } catch (...) {
        contactFailed(detail.tshFormInter, interloc.dbeNmInter);
        throw;
    }
}

void TfrmCliente::Vd_Nivel() {
    if (!interloc.dcbTipo->isVisibleTo(interloc.grbInterloc))
        return;
    ClientDataSet& contacts = data_->cdsInterloc();
    if (!fieldText(contacts, "IDTPINTECLIE").empty())
        return;
    try {
        Consiste::MensErro(Msg(*this, "Nivel_Infor"));
    } catch (...) {
        contactFailed(detail.tshFormInter, interloc.dcbTipo);
        throw;
    }
}

void TfrmCliente::Vd_CargoInterloc(bool) {
    ClientDataSet& contacts = data_->cdsInterloc();
    if (!editingState(contacts))
        return;
    gui::DbEdit& edit = *interloc.dbeCodCargo;
    try {
        const std::string typed = edit.Text();
        if (Consiste::EmptyString(typed)) {
            contacts.FieldByName("NMCARGOINTERLOC").Clear();
            return;
        }
        contacts.FieldByName("CDCARGOINTERLOC").SetAsString(Consiste::Ajusta(typed, 5));
        ClientDataSet& found = lookupList("cdsVd_CargoInterloc");
        readLookup(found, "GetCargoInterloc", fieldText(contacts, "CDCARGOINTERLOC"), "");
        if (found.IsEmpty())
            Consiste::MensErro(Msg(*this, "CodInterloc_nao_inf"));
        contacts.FieldByName("NMCARGOINTERLOC").SetAsString(fieldText(found, "NMCARGOINTERLOC"));
    } catch (...) {
        contactFailed(detail.tshFormInter, &edit);
        throw;
    }
}

void TfrmCliente::Vd_Funcionario(bool focus) {
    ClientDataSet& contacts = data_->cdsInterloc();
    gui::DbEdit& edit = *interloc.dbeCdFunc;
    try {
        const std::string typed = edit.Text();
        if (Consiste::EmptyString(typed)) {
            if (focus && edit.CanFocus())
                SetFocus(edit);
            Consiste::MensErro(Msg(*this, "Func_inf"));
        }
        contacts.FieldByName("CDFUNC").SetAsString(Consiste::Ajusta(typed, 10));
        ClientDataSet& found = lookupList("cdsVd_Func");
        readLookup(found, "GetFuncionario", fieldText(contacts, "CDFUNC"), "VD");
        if (found.IsEmpty())
            Consiste::MensErro(Msg(*this, "Func_n_cad"));
        for (const char* f : {"CDFUNC", "CDEMPRESA", "NMFUNC"})
            contacts.FieldByName(f).SetAsString(fieldText(found, f));
    } catch (...) {
        contactFailed(detail.tshFormInter, &edit);
        throw;
    }
}

} // namespace vq
