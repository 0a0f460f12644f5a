#include "batch/Vqm41207.h"

#include "batch/batch_texts.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "framework/validation/consiste.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/edit.h"
#include "platform/gui/form_builder.h"
#include "services/app_server.h"

namespace vq {

namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmCadAutGrupClie;

constexpr int kGroupCodeWidth = 10;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {GroupBox, "grbGrupoClie", "pnlRotina", "Grupo de Clientes", "", "", {0, 1}},
    {Edit, "medCdGrupoClie", "grbGrupoClie", "", "", "", {0, 0}, {.width = 12, .maxLength = kGroupCodeWidth}, bind<&Self::medCdGrupoClie>()},
    {Edit, "edtNmGrupoClie", "grbGrupoClie", "", "", "", {0, 2}, {.width = 40, .readOnly = true, .noTab = true}, bind<&Self::edtNmGrupoClie>()},
};
// clang-format on

Vqm41207::UnitState& state() {
    return Vqm41207::unit();
}

} // namespace

Vqm41207::UnitState& Vqm41207::unit() {
    static UnitState state;
    return state;
}

TfrmCadAutGrupClie::TfrmCadAutGrupClie(QWidget* parent)
    : TfrmCadAutClie("TfrmCadAutGrupClie",
                     {&state().stCodPais, &state().stCodEstado, &state().stCodMun, &state().stListaCliente},
                     parent) {
    SetCaption("Cadastramento Automático Grupo de Clientes");
    msgPadrao->SetItems(batch::groupMessages());
    cdsGrupoClie.CreateFields(batch::groupFields());
    addDataSet("cdsGrupoClie", cdsGrupoClie);
    gui::buildForm(*this, kLayout);
    auto* group = component<gui::GroupBox>("grbGrupoClie");
    btnGrupoClie = new TBtnPesquisa(group, "btnGrupoClie"); // owned by its group
    gui::gridOf(*group).addWidget(btnGrupoClie, 0, 1);
    btnGrupoClie->SetCaption("...");
    btnGrupoClie->Title = "Tabela de Preço";
    btnGrupoClie->EmptyText = "Não há tabela de preço cadastrada.";
    btnGrupoClie->SetListSource(cdsGrupoClie);
    btnGrupoClie->KeyField = "CDGRUPCLIE";
    btnGrupoClie->OnBeforePesq = [this](bool&) {
        Showavi::Scope busy(this, Showavi::kSearching);
        services::readInto(netClientes(), "GetPesqGrupClie", VariantArray{Variant(""), Variant("T")},
                           cdsGrupoClie);
    };
    btnGrupoClie->OnAfterPesq = [this] {
        medCdGrupoClie->SetText(btnGrupoClie->Text("CDGRUPCLIE"));
        edtNmGrupoClie->SetText(btnGrupoClie->Text("NMGRUPCLIE"));
    };
    medCdGrupoClie->OnChange = [this] { edtNmGrupoClie->Clear(); };
    medCdGrupoClie->OnExit = [this] { vd_GrupoClie(false); };
    state().frmCadAutGrupClie = this;
    DoCreate();
}

TfrmCadAutGrupClie::~TfrmCadAutGrupClie() = default;

void TfrmCadAutGrupClie::vd_GrupoClie(bool report) {
    const std::string code = Consiste::Ajusta(medCdGrupoClie->Text(), kGroupCodeWidth);
    if (code != medCdGrupoClie->Text())
        medCdGrupoClie->SetText(code);
    if (code.empty()) {
        edtNmGrupoClie->Clear();
        if (report)
            fail(medCdGrupoClie, "INFO_GRUP");
        return;
    }
    // The row is copied only after its own lookup: never a stale group or a closed list.
    services::readInto(netClientes(), "GetPesqGrupClie", VariantArray{Variant(code), Variant("")},
                       cdsGrupoClie);
    if (cdsGrupoClie.IsEmpty())
        fail(medCdGrupoClie, "GRUP_NCAD");
    medCdGrupoClie->SetText(cdsGrupoClie.FieldByName("CDGRUPCLIE").AsString());
    edtNmGrupoClie->SetText(cdsGrupoClie.FieldByName("NMGRUPCLIE").AsString());
}

VariantArray TfrmCadAutGrupClie::assignmentArgs(const std::string& kind) const {
    const Selection& s = selection();
    return {Variant(medCdGrupoClie->Text()),
            Variant(*s.stCodPais),
            Variant(*s.stCodEstado),
            Variant(*s.stCodMun),
            Variant(kind),
            Variant(*s.stListaCliente)};
}

} // namespace vq
