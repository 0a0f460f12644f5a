#include "side_lists/Vqm41209.h"

#include "customer/Vqm41200.h"
#include "customer/coded_display_rule.h"
#include "customer/customer_dataset_rules.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/services/showavi.h"
#include "framework/validation/consiste.h"
#include "platform/data/edit_mask.h"
#include "platform/data/error.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/form_builder.h"
#include "services/app_server.h"

namespace vq {
namespace {

const std::vector<std::string> kMessages = {"Excl|Confirma exclusão?",
                                            "JURIDICA|Jurídica",
                                            "FISICA|Física",
                                            "OUTROS|Outros",
                                            "INSC_JURIDICA|Insc. Jurídica",
                                            "INSC_DEVE|Inscrição deve ser informada",
                                            "TRANSP|Transportadora",
                                            "N_NRINSJURTRAN_CAD|Inscrição não encontrada",
                                            "INSC_J_CAD|Transportadora já cadastrada para este cliente"};

constexpr FieldSpec kFields[] = {
    FieldSpec{"NRINSJURTRAN", FieldType::String, 20, "Inscrição"},
    FieldSpec{"NMFANTTRAN", FieldType::String, 250, "Nome Fantasia"},
    FieldSpec{"IDTPIJURTRAN", FieldType::String, 1, "Tipo Inscrição"},
    FieldSpec{"CDCLIENTE", FieldType::String, 21}.hidden(),
};

constexpr FieldSpec kSearchFields[] = {
    FieldSpec{"NRINSJURTRAN", FieldType::String, 20, "Inscrição"},
    FieldSpec{"NMFANTTRAN", FieldType::String, 250, "Nome Fantasia"},
    FieldSpec{"IDTPIJURTRAN", FieldType::String, 1, "Tipo Inscrição"},
};

constexpr customer::CodedValue kKinds[] = {
    {"F", "FISICA"}, {"I", "INSC_JURIDICA"}, {"J", "JURIDICA"}, {"O", "OUTROS"}};
constexpr customer::CodedDisplayRule kKindRule{
    .field = "IDTPIJURTRAN", .values = kKinds, .messageKeys = true};

// clang-format off
constexpr gui::ColumnSpec kColumns[] = {
    {"dbgPadrao", "NRINSJURTRAN", "Inscrição", 20},
    {"dbgPadrao", "NMFANTTRAN", "Nome Fantasia", 40},
    {"dbgPadrao", "IDTPIJURTRAN", "Tipo Inscrição", 14},
};
// clang-format on

constexpr const char* kCarrierFields[] = {"NRINSJURTRAN", "NMFANTTRAN", "IDTPIJURTRAN"};

} // namespace

Vqm41209::UnitState& Vqm41209::unit() {
    static UnitState state;
    return state;
}

TfrmListaTransp::TfrmListaTransp(QWidget* parent) : TfrmPadraoGrid("TfrmListaTransp", parent) {
    SetCaption("Transportadoras");
    msgPadrao->SetItems(kMessages);
    cdsPadrao.CreateFields(kFields);
    cdsPadrao.SetIndexFieldNames("NRINSJURTRAN");
    cdsPesquisa.CreateFields(kSearchFields);
    const customer::MessageLookup msg = [this](std::string_view key) { return Msg(*this, key); };
    customer::applyCodedRule(cdsPadrao.FieldByName("IDTPIJURTRAN"), kKindRule, msg);
    customer::applyCodedRule(cdsPesquisa.FieldByName("IDTPIJURTRAN"), kKindRule, msg);
    // Each row's registration is shown under the mask of its own kind.
    cdsPadrao.FieldByName("NRINSJURTRAN").OnGetText = [](Field& sender, std::string& text, bool display) {
        text = sender.AsString();
        if (display && !text.empty())
            text = formatMaskText(Consiste::PictPess(sender.DataSet().FieldByName("IDTPIJURTRAN").AsString()),
                                  text);
    };
    addDataSet("cdsPadrao", cdsPadrao);
    addDataSet("cdsPesquisa", cdsPesquisa);
    dtsPesquisa.SetDataSet(&cdsPesquisa);
    addDataSource("dtsPesquisa", dtsPesquisa);
    dtsPadrao.SetDataSet(&cdsPadrao);
    gui::buildColumns(*this, kColumns);

    cdsPadrao.BeforePost = [this](ClientDataSet& ds) {
        ValidaDados(true);
        ds.FieldByName("CDCLIENTE").SetValue(Variant(customer::requiredCustomerCode(customerForm().data())));
    };
    cdsPadrao.AfterPost = [this](ClientDataSet&) { saveList(); };
    cdsPadrao.AfterDelete = [this](ClientDataSet&) { saveList(); };
    dbgPadrao->OnColEnter = [this] { refreshControls(); };
    dbgPadrao->OnColExit = [this] { ValidaDados(false); };
    dbgPadrao->OnKeyPress = [this](char16_t& key) {
        const bool control = key == u'\t' || key == u'\r' || key == 27;
        if (!control && !(cdsPadrao.editing() && numberSelected()))
            key = 0;
    };
    dbgPadrao->OnEditButtonClick = [this] { search(); };
    Vqm41209::unit().frmListaTransp = this;
    DoCreate();
}

TfrmListaTransp::~TfrmListaTransp() {
    runDestroy();
    dtsPadrao.SetDataSet(nullptr);
    dtsPesquisa.SetDataSet(nullptr);
}

net::TNetConnection& TfrmListaTransp::netClientes() const {
    return customerForm().netClientes;
}

std::string TfrmListaTransp::customerCode() const {
    return customerForm().data().customerCode();
}

bool TfrmListaTransp::numberSelected() const {
    const Field* f = dbgPadrao->SelectedField();
    return f && f->FieldName() == "NRINSJURTRAN";
}

void TfrmListaTransp::FormCreate() {
    TfrmPadraoGrid::FormCreate();
    load();
    refreshControls();
}

void TfrmListaTransp::load() {
    {
        Showavi::Scope busy(this, Showavi::kSearching, Msg(*this, "Atual_Oper"));
        services::readInto(netClientes(), "GetTransCliePed", VariantArray{Variant(customerCode())},
                           cdsPadrao);
    }
    cdsPadrao.FieldByName("NRINSJURTRAN")
        .SetEditMask(Consiste::PictPess(cdsPadrao.FieldByName("IDTPIJURTRAN").AsString()));
}

void TfrmListaTransp::RefreshData() {
    load();
}

void TfrmListaTransp::refreshControls() {
    const bool editing = cdsPadrao.editing();
    for (int i = 0; i < static_cast<int>(dbgPadrao->Columns().size()); ++i) {
        gui::GridColumn& column = dbgPadrao->Column(i);
        column.ReadOnly = !editing;
        if (column.FieldName == "NRINSJURTRAN")
            column.Button =
                editing ? gui::GridColumn::ButtonStyle::Ellipsis : gui::GridColumn::ButtonStyle::Auto;
    }
    dbgPadrao->columnsChanged();
    updateCommands();
}

void TfrmListaTransp::dtsPadraoStateChange() {
    TfrmPadraoGrid::dtsPadraoStateChange();
    refreshControls();
}

void TfrmListaTransp::updateCommands() {
    TfrmPadraoGrid::updateCommands();
    for (Command c : {Command::Procurar, Command::Imprimir})
        setCommandEnabled(c, false);
}

void TfrmListaTransp::search() {
    if (!cdsPadrao.editing() || !numberSelected())
        return;
    {
        Showavi::Scope busy(this, Showavi::kSearching);
        services::readInto(netClientes(), "GetPesquisaListaTransp",
                           VariantArray{Variant(true), Variant(""), Variant("")}, cdsPesquisa);
    }
    if (!Pesquisa::Pesquisar(dtsPesquisa, Msg(*this, "N_NRINSJURTRAN_CAD") + "|" + Msg(*this, "TRANSP")))
        return;
    for (const char* name : kCarrierFields)
        cdsPadrao.FieldByName(name).SetValue(cdsPesquisa.FieldByName(name).Value());
    cdsPadrao.FieldByName("CDCLIENTE").SetValue(Variant(customerCode()));
}

void TfrmListaTransp::ValidaDados(bool posting) {
    if (!cdsPadrao.editing())
        return;
    Field& number = cdsPadrao.FieldByName("NRINSJURTRAN");
    try {
        if (Consiste::EmptyString(number.AsString()))
            Consiste::MensErro(Msg(*this, "INSC_DEVE"));
        // A registration typed over an existing row is checked as a new one would be.
        const bool changed =
            cdsPadrao.State() == DataSetState::Insert || number.AsString() != number.OldValue().toString();
        if (changed && (posting || numberSelected()))
            checkCarrier(number);
    } catch (...) {
        dbgPadrao->SetSelectedField("NRINSJURTRAN");
        SetFocus(*dbgPadrao);
        throw;
    }
}

void TfrmListaTransp::checkCarrier(Field& number) {
    const std::string code = customer::requiredCustomerCode(customerForm().data());
    VariantArray args{Variant(false), Variant(code), Variant(number.AsString())};
    const Variant answer =
        Consiste::CheckResultServ(services::RemoteCall(netClientes())("GetPesquisaListaTransp", args), true,
                                  Consiste::ResultKind::Payload);
    if (!answer.is(VariantKind::Array) || answer.asArray().size() < 2)
        throw Error("Resposta inesperada do servidor à pesquisa da transportadora " + number.AsString() +
                    ".");
    cdsPesquisa.SetData(answer.asArray()[0]);
    if (answer.asArray()[1].toInt() >= 1)
        Consiste::MensErro(Msg(*this, "INSC_J_CAD"));
    if (cdsPesquisa.IsEmpty())
        Consiste::MensErro(Msg(*this, "N_NRINSJURTRAN_CAD"));
    for (const char* name : kCarrierFields)
        cdsPadrao.FieldByName(name).SetValue(cdsPesquisa.FieldByName(name).Value());
    cdsPadrao.FieldByName("CDCLIENTE").SetValue(Variant(code));
}

void TfrmListaTransp::saveList() {
    if (cdsPadrao.ChangeCount() <= 0)
        return;
    try {
        const std::string code = customer::requiredCustomerCode(customerForm().data());
        const Variant saved = services::sendChanges(netClientes(), cdsPadrao, "ConfirmaListaTP", this,
                                                    Msg(*this, "Atual_Oper"), VariantArray{Variant(code)});
        cdsPadrao.SetData(saved);
        repaint();
    } catch (...) {
        // The list as the server holds it: the unsaved row goes.
        load();
        throw;
    }
}

void TfrmListaTransp::sbtFecharClick() {
    TfrmPadraoGrid::sbtFecharClick();
    Vqm41200::unit().boIdCriado = false;
}

void TfrmListaTransp::FormClose(gui::CloseAction& action) {
    TfrmPadraoGrid::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq
