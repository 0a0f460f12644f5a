#include "batch/Vqm41205.h"

#include "batch/batch_call.h"
#include "batch/batch_texts.h"
#include "customer/Vqm41200.h"
#include "customer/retention_codes.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/host_catalogue.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/validation/consiste.h"
#include "platform/data/edit_mask.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/edit.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/radio_button.h"
#include "platform/gui/seams.h"
#include "services/app_server.h"

namespace vq {

namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmCadRetECF;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {GroupBox, "grbCliente", "pnlRotina", "Cliente", "", "", {0, 0}},
    {RadioButton, "rbtTodos", "grbCliente", "Todos", "", "", {0, 0}, {.checked = true}, bind<&Self::rbtTodos>()},
    {RadioButton, "rbtLista", "grbCliente", "Lista", "", "", {0, 1}, {}, bind<&Self::rbtLista>()},
    {ToolButton, "btpCliente", "grbCliente", "...", "", "", {0, 2}, {.hint = "Cliente", .disabled = true}, bind<&Self::btpCliente>()},
    {GroupBox, "grbIRPJ", "pnlRotina", "IRPJ", "", "", {1, 0}},
    {MaskEdit, "medIRPJ", "grbIRPJ", "", "", "", {0, 0}, {.mask = "9999;0; ", .width = 6, .maxLength = 4}, bind<&Self::medIRPJ>()},
    {Edit, "edtNmIRPJ", "grbIRPJ", "", "", "", {0, 2}, {.width = 50, .readOnly = true, .noTab = true}, bind<&Self::edtNmIRPJ>()},
    {GroupBox, "grbCSLL", "pnlRotina", "CSLL", "", "", {2, 0}},
    {MaskEdit, "medCSLL", "grbCSLL", "", "", "", {0, 0}, {.mask = "9999;0; ", .width = 6, .maxLength = 4}, bind<&Self::medCSLL>()},
    {Edit, "edtNmCSLL", "grbCSLL", "", "", "", {0, 2}, {.width = 50, .readOnly = true, .noTab = true}, bind<&Self::edtNmCSLL>()},
};
// clang-format on

TBtnPesquisa* searchButton(gui::FormBase& form, const char* group, const char* name) {
    auto* button = new TBtnPesquisa(form.component<gui::GroupBox>(group), name); // owned by its group
    gui::gridOf(*form.component<gui::GroupBox>(group)).addWidget(button, 0, 1);
    button->SetCaption("...");
    return button;
}

} // namespace

struct TfrmCadRetECF::Retention {
    const char* kind; // "IRPJ" / "CSLL", the text CODRET_N names
    gui::MaskEdit* code;
    gui::Edit* name;
    int* sequential;
};

Vqm41205::UnitState& Vqm41205::unit() {
    static UnitState state;
    return state;
}

TfrmCadRetECF::TfrmCadRetECF(QWidget* parent) : TfrmRotiGeral("TfrmCadRetECF", parent) {
    SetCaption("Cadastramento Aut. Retenções ECF");
    msgPadrao->SetItems(batch::retentionMessages());
    cdsRetECF.CreateFields(batch::retentionFields());
    cdsClientesECF.CreateFields(batch::retentionCustomerFields());
    addDataSet("cdsRetECF", cdsRetECF);
    addDataSet("cdsClientesECF", cdsClientesECF);
    gui::buildForm(*this, kLayout);
    btpIRPJ = searchButton(*this, "grbIRPJ", "btpIRPJ");
    btpCSLL = searchButton(*this, "grbCSLL", "btpCSLL");
    // The flags show the form's texts of "S" and "N".
    customer::installRetentionFlagRules(cdsRetECF, [this](std::string_view key) { return Msg(*this, key); });
    cdsClientesECF.FieldByName("NRINSJURCLIE").OnGetText = [](Field& sender, std::string& text, bool) {
        const std::string mask = Consiste::PictPess(sender.DataSet().FieldByName("IDTPIJURCLIE").AsString());
        text = mask.empty() ? sender.AsString() : formatMaskText(mask, sender.AsString());
    };

    rbtTodos->OnClick = [this] {
        btpCliente->SetEnabled(false);
        stCliente = "T";
    };
    rbtLista->OnClick = [this] {
        btpCliente->SetEnabled(true);
        stCliente.clear();
    };
    rbtLista->OnKeyDown = [this](int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_F9 && btpCliente->Enabled())
            btpClienteClick();
    };
    btpCliente->OnClick = [this] { btpClienteClick(); };
    const std::vector<LookupColumn> columns = customer::retentionLookupColumnsAs<LookupColumn>();
    for (const Retention& r : {irpj(), csll()}) {
        TBtnPesquisa* button = r.code == medIRPJ ? btpIRPJ : btpCSLL;
        button->Title = Msg(*this, "RET");
        button->EmptyText = Msg(*this, "RET_N");
        button->SetListSource(cdsRetECF);
        button->Columns = columns;
        button->KeyField = std::string(customer::kRetentionKeyField);
        button->OnAfterPesq = [this, r] { afterSearch(r); };
        r.code->OnChange = [r] { r.name->Clear(); };
    }
    medIRPJ->OnExit = [this] { validaIRPJ(); };
    medCSLL->OnExit = [this] { validaCSLL(); };
    Vqm41205::unit().frmCadRetECF = this;
    DoCreate();
}

TfrmCadRetECF::~TfrmCadRetECF() = default;

net::TNetConnection& TfrmCadRetECF::netClientes() const {
    return customerForm().netClientes;
}

TfrmCadRetECF::Retention TfrmCadRetECF::irpj() {
    return {"IRPJ", medIRPJ, edtNmIRPJ, &nrSeqIRPJ};
}

TfrmCadRetECF::Retention TfrmCadRetECF::csll() {
    return {"CSLL", medCSLL, edtNmCSLL, &nrSeqCSLL};
}

void TfrmCadRetECF::FormCreate() {
    TfrmRotiGeral::FormCreate();
    nrSeqIRPJ = nrSeqCSLL = -1;
    stCliente = "T";
    const Variant answer = Consiste::CheckResultServ(netClientes().Call("getRetECF", {}));
    const VariantArray& packets = answer.asArray();
    if (packets.size() < 2)
        throw Error("getRetECF: resposta sem as retenções e os clientes.");
    cdsRetECF.SetData(packets[0]);
    cdsClientesECF.SetData(packets[1]);
}

void TfrmCadRetECF::btpClienteClick() {
    Pesqlista::PesquisaLista(cdsClientesECF, "CDCLIENTE", Msg(*this, "Cliente") + "|" + Msg(*this, "CLI_N"),
                             false, stCliente);
}

void TfrmCadRetECF::afterSearch(const Retention& r) {
    const customer::RetentionCode chosen = customer::currentRetention(cdsRetECF);
    r.code->SetText(chosen.code); // clears the name display (OnChange)
    r.name->SetText(chosen.description);
    *r.sequential = static_cast<int>(chosen.sequential);
}

void TfrmCadRetECF::valida(const Retention& r) {
    const std::string code = Consiste::AllTrim(r.code->Text());
    if (code.empty()) {
        *r.sequential = -1;
        r.name->Clear();
        return;
    }
    // The code's kind is not compared with the row's IRPJ / CSLL flags.
    const auto found = customer::findRetention(cdsRetECF, code);
    if (!found) {
        if (r.code->CanFocus())
            r.code->SetFocus();
        Consiste::MensErro(formatMsg(Msg(*this, "CODRET_N"), {r.kind}));
        return; // not reached: MensErro ends the command
    }
    *r.sequential = static_cast<int>(found->sequential);
    r.name->SetText(found->description);
}

void TfrmCadRetECF::validaIRPJ() {
    valida(irpj());
}

void TfrmCadRetECF::validaCSLL() {
    valida(csll());
}

void TfrmCadRetECF::sbtConfirmaClick() {
    validaIRPJ();
    validaCSLL();
    if (rbtLista->Checked() && Consiste::EmptyString(stCliente)) {
        if (rbtLista->CanFocus())
            rbtLista->SetFocus();
        Consiste::MensErro(Msg(*this, "CLIENTE_DEV"));
    }
    if (!gui::confirm(Msg(*this, "CONF_CAD")))
        return;
    VariantArray args{Variant(stCliente), Variant(nrSeqIRPJ), Variant(nrSeqCSLL)};
    Consiste::CheckResultServ(batch::callWithProgress(netClientes(), "setCadAuto", args));
    gui::showMessage(gui::MessageKind::Info, Msg(*this, "SUC"));
}

void TfrmCadRetECF::FormClose(gui::CloseAction& action) {
    TfrmRotiGeral::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq
