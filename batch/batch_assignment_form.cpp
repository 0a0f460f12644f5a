#include "batch/batch_assignment_form.h"

#include "batch/batch_call.h"
#include "batch/batch_texts.h"
#include "customer/Vqm41200.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/validation/consiste.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/radio_button.h"
#include "platform/gui/seams.h"
#include "services/app_server.h"
#include "services/region_queries.h"

#include <array>

namespace vq {

namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmCadAutClie;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {GroupBox, "grbCliente", "pnlRotina", "Cliente", "", "", {0, 0}},
    {RadioButton, "rbtTodos", "grbCliente", "Todos", "", "", {0, 0}, {.checked = true}, bind<&Self::rbtTodos>()},
    {RadioButton, "rbtLista", "grbCliente", "Lista", "", "", {0, 1}, {}, bind<&Self::rbtLista>()},
    {ToolButton, "btpCliente", "grbCliente", "...", "", "", {0, 2}, {.hint = "Cliente", .disabled = true}, bind<&Self::btpCliente>()},
    {GroupBox, "grbPais", "pnlRotina", "País", "", "", {1, 0}},
    {RadioButton, "rbtTPais", "grbPais", "Todos", "", "", {0, 0}, {.checked = true}, bind<&Self::rbtTPais>()},
    {RadioButton, "rbtPais", "grbPais", "Lista", "", "", {0, 1}, {}, bind<&Self::rbtPais>()},
    {ToolButton, "btnPais", "grbPais", "...", "", "", {0, 2}, {.hint = "País", .disabled = true}, bind<&Self::btnPais>()},
    {GroupBox, "grbEstado", "pnlRotina", "Estado", "", "", {1, 1}},
    {RadioButton, "rbtTEstado", "grbEstado", "Todos", "", "", {0, 0}, {.checked = true}, bind<&Self::rbtTEstado>()},
    {RadioButton, "rbtEstado", "grbEstado", "Lista", "", "", {0, 1}, {}, bind<&Self::rbtEstado>()},
    {ToolButton, "btnEstado", "grbEstado", "...", "", "", {0, 2}, {.hint = "Estado", .disabled = true}, bind<&Self::btnEstado>()},
    {GroupBox, "grbMunicipio", "pnlRotina", "Município", "", "", {2, 0}},
    {RadioButton, "rbtTMun", "grbMunicipio", "Todos", "", "", {0, 0}, {.checked = true}, bind<&Self::rbtTMun>()},
    {RadioButton, "rbtLMun", "grbMunicipio", "Lista", "", "", {0, 1}, {}, bind<&Self::rbtLMun>()},
    {ToolButton, "btnMun", "grbMunicipio", "...", "", "", {0, 2}, {.hint = "Município", .disabled = true}, bind<&Self::btnMun>()},
    {RadioGroup, "rdgTpEnde", "pnlRotina", "Tipo Endereço do Cliente", "", "", {3, 0, 1, 2}, {.items = "End. Cliente|End. Cobrança|End. Exterior|End. Exportação|End. Entrega", .values = "P|C|E|X|T", .columns = 3}, bind<&Self::rdgTpEnde>()},
};
// clang-format on

constexpr int kPais = 0, kEstado = 1, kMunicipio = 2;

struct RegionText {
    const services::region::QueryText* query;
    const char* titleKey;
    const char* emptyKey;
    const char* requiredKey;
};
constexpr std::array<RegionText, 3> kRegions = {{
    {&services::region::kRegionPais, "Pais", "Pais_Lis", "Pais_inf"},
    {&services::region::kRegionEstado, "Estado", "Estado_Lis", "Estado_inf"},
    {&services::region::kRegionMunicipio, "Municipio", "Mun_Lis", "Mun_inf"},
}};

} // namespace

struct TfrmCadAutClie::Level {
    gui::RadioButton* all;
    gui::RadioButton* list;
    gui::ToolButton* search;
    std::string* codes;
};

TfrmCadAutClie::TfrmCadAutClie(std::string className, Selection selection, QWidget* parent)
    : TfrmRotiGeral(std::move(className), parent), sel_(selection) {
    cdsCliente.CreateFields(batch::customerFields());
    addDataSet("cdsCliente", cdsCliente);
    gui::buildForm(*this, kLayout);
    for (int i = 0; i < 3; ++i) {
        regionLists_[i].CreateFields(kRegions[i].query->fields);
        const Level l = level(i);
        l.all->OnClick = [this, i] { allClick(i); };
        l.list->OnClick = [this, i] { listClick(i); };
        l.search->OnClick = [this, i] { pickRegion(i); };
    }
    rbtTodos->OnClick = [this] {
        btpCliente->SetEnabled(false);
        *sel_.stListaCliente = "T";
    };
    rbtLista->OnClick = [this] {
        btpCliente->SetEnabled(true);
        sel_.stListaCliente->clear();
    };
    rbtLista->OnKeyDown = [this](int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_F9 && btpCliente->Enabled())
            btpClienteClick();
    };
    btpCliente->OnClick = [this] { btpClienteClick(); };
}

TfrmCadAutClie::~TfrmCadAutClie() = default;

net::TNetConnection& TfrmCadAutClie::netClientes() const {
    return customerForm().netClientes;
}

TfrmCadAutClie::Level TfrmCadAutClie::level(int i) const {
    switch (i) {
    case kPais:
        return {rbtTPais, rbtPais, btnPais, sel_.stCodPais};
    case kEstado:
        return {rbtTEstado, rbtEstado, btnEstado, sel_.stCodEstado};
    default:
        return {rbtTMun, rbtLMun, btnMun, sel_.stCodMun};
    }
}

void TfrmCadAutClie::FormCreate() {
    TfrmRotiGeral::FormCreate();
    // Each opening starts from "all", whatever the previous one chose.
    sel_.stCodPais->clear();
    sel_.stCodEstado->clear();
    sel_.stCodMun->clear();
    *sel_.stListaCliente = "T";
}

// An all button empties its own string and those below it, whose all buttons it checks.
void TfrmCadAutClie::allClick(int i) {
    const Level l = level(i);
    l.search->SetEnabled(false);
    l.codes->clear();
    if (i == kPais)
        l.all->SetTabStop(true);
    for (int below = i + 1; below < 3; ++below) {
        level(below).codes->clear();
        level(below).all->SetChecked(true);
    }
}

void TfrmCadAutClie::listClick(int i) {
    const Level l = level(i);
    l.search->SetEnabled(true);
    l.all->SetTabStop(false);
}

std::string TfrmCadAutClie::addressKind() const {
    return rdgTpEnde->ItemIndex() < 0 ? std::string() : rdgTpEnde->Value();
}

void TfrmCadAutClie::fail(QWidget* control, std::string_view key) {
    auto* c = dynamic_cast<gui::Control*>(control);
    if (c && c->CanFocus())
        c->SetFocus();
    Consiste::MensErro(Msg(*this, key));
    throw Abort(); // MensErro raised already; keeps the compiler sure of it
}

void TfrmCadAutClie::requireGeographyLists() {
    for (int i = 0; i < 3; ++i) {
        const Level l = level(i);
        if (l.list->Checked() && Consiste::EmptyString(*l.codes))
            fail(l.list, kRegions[i].requiredKey);
    }
}

// The region's rows: states restricted by the chosen countries, municipalities by countries and states.
void TfrmCadAutClie::fillRegion(int i) {
    std::unique_ptr<TADOIBQuery>& query = queries_[i];
    if (!query) {
        query = newQuery(std::string(kRegions[i].query->name));
        query->setSql(std::string(kRegions[i].query->sql));
    }
    query->Close();
    auto restrictBy = [&](int by, const char* param, const char* allParam) {
        const bool onList = level(by).list->Checked();
        query->ParamByName(param) = onList ? *level(by).codes : std::string();
        query->ParamByName(allParam) = onList ? std::string() : std::string("T");
    };
    if (i == kEstado)
        restrictBy(kPais, "P_CDPAIS", "P_TODOS");
    if (i == kMunicipio) {
        restrictBy(kPais, "P_CDPAIS", "P_TCDPAIS");
        restrictBy(kEstado, "P_SGESTADO", "P_TSGESTADO");
    }
    query->Open();
    regionLists_[i].SetData(Variant(query->Data()));
    if (i == kPais && regionLists_[i].IsEmpty())
        fail(nullptr, "Pais_Lis");
    if (i > kPais && level(i - 1).list->Checked() && regionLists_[i].IsEmpty())
        fail(nullptr, kRegions[i].emptyKey);
}

void TfrmCadAutClie::pickRegion(int i) {
    fillRegion(i);
    const Level l = level(i);
    const std::string caption = Msg(*this, kRegions[i].titleKey) + "|" + Msg(*this, kRegions[i].emptyKey);
    if (!Pesqlista::PesquisaLista(regionLists_[i], kRegions[i].query->keyField, caption, false, *l.codes))
        return;
    // A new choice makes the levels below start over.
    for (int below = i + 1; below < 3; ++below) {
        level(below).codes->clear();
        level(below).all->SetChecked(true);
        level(below).list->SetTabStop(false);
    }
}

void TfrmCadAutClie::btnPaisClick() {
    pickRegion(kPais);
}
void TfrmCadAutClie::btnEstadoClick() {
    pickRegion(kEstado);
}
void TfrmCadAutClie::btnMunClick() {
    pickRegion(kMunicipio);
}

void TfrmCadAutClie::btpClienteClick() {
    const std::string kind = addressKind();
    if (!kind.empty())
        requireGeographyLists();
    VariantArray args{Variant(*sel_.stCodPais), Variant(*sel_.stCodEstado), Variant(*sel_.stCodMun),
                      Variant(kind)};
    services::readInto(netClientes(), "getClientesEnd", args, cdsCliente);
    Pesqlista::PesquisaLista(cdsCliente, "CDCLIENTE", Msg(*this, "Cliente") + "|" + Msg(*this, "CLI_N"),
                             false, *sel_.stListaCliente);
}

void TfrmCadAutClie::sbtConfirmaClick() {
    checkCode(true);
    requireGeographyLists();
    std::string kind;
    if (!(sel_.stCodPais->empty() && sel_.stCodEstado->empty() && sel_.stCodMun->empty())) {
        kind = addressKind();
        if (kind.empty())
            fail(rdgTpEnde, "TpEnd_inf");
    }
    if (rbtLista->Checked() && Consiste::EmptyString(*sel_.stListaCliente))
        fail(rbtLista, "CLIENTE_DEV");
    if (!gui::confirm(Msg(*this, "CONF_CAD")))
        return;
    VariantArray args = assignmentArgs(kind);
    batch::showAssignmentAnswer(*this, batch::callWithProgress(netClientes(), assignmentMethod(), args));
}

void TfrmCadAutClie::FormClose(gui::CloseAction& action) {
    TfrmRotiGeral::FormClose(action);
    action = gui::CloseAction::Free;
}

} // namespace vq
