#include "batch/Vqm41206.h"

#include "batch/batch_texts.h"
#include "framework/services/btn_pesquisa.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/validation/consiste.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/edit.h"
#include "platform/gui/form_builder.h"

namespace vq {

namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmCadTabPrecoClie;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {GroupBox, "grbPrecoBase", "pnlRotina", "Preço Base", "", "", {0, 1}},
    {MaskEdit, "medCdPrecoBase", "grbPrecoBase", "", "", "", {0, 0}, {.mask = "99;0; ", .width = 4, .maxLength = 2}, bind<&Self::medCdPrecoBase>()},
    {Edit, "edtNmPrecoBase", "grbPrecoBase", "", "", "", {0, 2}, {.width = 30, .readOnly = true, .noTab = true}, bind<&Self::edtNmPrecoBase>()},
    {CheckBox, "chbPrincipal", "grbPrecoBase", "Principal", "", "", {0, 3}, {.checked = true}, bind<&Self::chbPrincipal>()},
};
// clang-format on

Vqm41206::UnitState& state() {
    return Vqm41206::unit();
}

} // namespace

Vqm41206::UnitState& Vqm41206::unit() {
    static UnitState state;
    return state;
}

TfrmCadTabPrecoClie::TfrmCadTabPrecoClie(QWidget* parent)
    : TfrmCadAutClie("TfrmCadTabPrecoClie",
                     {&state().stCodPais, &state().stCodEstado, &state().stCodMun, &state().stListaCliente},
                     parent) {
    SetCaption("Cadastramento Automático Tabela de Preço por Cliente");
    msgPadrao->SetItems(batch::priceTableMessages());
    gui::buildForm(*this, kLayout);
    auto* group = component<gui::GroupBox>("grbPrecoBase");
    btnPrecoBase = new TBtnPesquisa(group, "btnPrecoBase"); // owned by its group
    gui::gridOf(*group).addWidget(btnPrecoBase, 0, 1);
    btnPrecoBase->SetCaption("...");
    btnPrecoBase->Title = "Tabela de Preço";
    btnPrecoBase->EmptyText = "Não há tabela de preço cadastrada.";
    btnPrecoBase->SetListSql(batch::kSqlPrecoBase); // on the shared connection when the search runs
    btnPrecoBase->Columns = {{"CDPRECOBASE", "Descrição"}, {"DSPRECOBASE", "Nome"}};
    btnPrecoBase->KeyField = "CDPRECOBASE";
    btnPrecoBase->OnBeforePesq = [this](bool&) {
        TADOIBQuery& q = *btnPrecoBase->ListQuery();
        q.Close();
        q.ParamByName("P_CDPRECOBASE") = std::string();
        q.ParamByName("P_TODOS") = std::string("T");
    };
    btnPrecoBase->OnAfterPesq = [this] {
        medCdPrecoBase->SetText(btnPrecoBase->Text("CDPRECOBASE"));
        edtNmPrecoBase->SetText(btnPrecoBase->Text("DSPRECOBASE"));
    };
    medCdPrecoBase->OnChange = [this] { edtNmPrecoBase->Clear(); };
    medCdPrecoBase->OnExit = [this] { Vd_PrecoBase(false); };
    state().frmCadTabPrecoClie = this;
    DoCreate();
}

TfrmCadTabPrecoClie::~TfrmCadTabPrecoClie() = default;

void TfrmCadTabPrecoClie::Vd_PrecoBase(bool report) {
    const std::string code = Consiste::Ajusta(medCdPrecoBase->Text(), 2);
    if (code != medCdPrecoBase->Text())
        medCdPrecoBase->SetText(code);
    if (code.empty()) {
        if (report)
            fail(medCdPrecoBase, "INFO_COD");
        return;
    }
    if (!qryPrecoBase) {
        qryPrecoBase = newQuery("qryPrecoBase");
        qryPrecoBase->setSql(batch::kSqlPrecoBase);
    }
    qryPrecoBase->Close();
    qryPrecoBase->ParamByName("P_CDPRECOBASE") = code;
    qryPrecoBase->ParamByName("P_TODOS") = std::string();
    qryPrecoBase->Open();
    if (qryPrecoBase->IsEmpty())
        fail(medCdPrecoBase, "CODORI_NCAD");
    edtNmPrecoBase->SetText(qryPrecoBase->FieldByName("DSPRECOBASE").AsString());
}

VariantArray TfrmCadTabPrecoClie::assignmentArgs(const std::string& kind) const {
    const Selection& s = selection();
    return {Variant(medCdPrecoBase->Text()),
            Variant(chbPrincipal->Checked()),
            Variant(*s.stCodPais),
            Variant(*s.stCodEstado),
            Variant(*s.stCodMun),
            Variant(kind),
            Variant(*s.stListaCliente)};
}

} // namespace vq
