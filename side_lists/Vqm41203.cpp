#include "side_lists/Vqm41203.h"

#include "customer/Vqm41200.h"
#include "framework/services/messages.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/edit.h"
#include "platform/gui/form_builder.h"
#include "services/app_server.h"

namespace vq {
namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmInfEmailClie;

const std::vector<std::string> kMessages = {"Atual_Oper|Atualizando Dados..."};

// CDCLIENTE is not shown: a change log row must name whose e-mail it is.
constexpr FieldSpec kFields[] = {
    FieldSpec{"NRINSJURCLIE", FieldType::String, 20}.hidden(),
    FieldSpec{"NMRAZSOCCLIE", FieldType::String, 50}.hidden(),
    FieldSpec{"CDFILIAL", FieldType::String, 4, "Filial"},
    FieldSpec{"DSEMAILDANFEBOL", FieldType::String, 4000, "E-Mail Danfe / Boleto / CFR"},
    FieldSpec{"CDCLIENTE", FieldType::String, 21}.hidden(),
};

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {GroupBox, "grbCliente", "", "Cliente", "", "", {2, 0}},
    {Edit, "edtInscricao", "grbCliente", "Inscrição", "", "", {0, 0}, {.width = 20, .readOnly = true, .noTab = true}, bind<&Self::edtInscricao>()},
    {Edit, "edtRazSocial", "grbCliente", "Razão Social", "", "", {0, 1}, {.width = 50, .readOnly = true, .noTab = true}, bind<&Self::edtRazSocial>()},
};

constexpr gui::ColumnSpec kColumns[] = {
    {"dbgPadrao", "CDFILIAL", "Filial", 6, {.readOnly = true}},
    {"dbgPadrao", "DSEMAILDANFEBOL", "E-Mail Danfe / Boleto / CFR", 60},
};
// clang-format on

} // namespace

Vqm41203::UnitState& Vqm41203::unit() {
    static UnitState state;
    return state;
}

TfrmInfEmailClie::TfrmInfEmailClie(QWidget* parent) : TfrmPadraoGrid("TfrmInfEmailClie", parent) {
    SetCaption("Informações de E-mail Complementares por Cliente");
    msgPadrao->SetItems(kMessages);
    services::setupConnection(netInfEmailClie, services::kRdmInfEmailClie);
    cdsCliente.CreateFields(kFields);
    addDataSet("cdsCliente", cdsCliente);
    dtsPadrao.SetDataSet(&cdsCliente);
    gui::buildForm(*this, kLayout);
    gui::buildColumns(*this, kColumns);
    // The list holds the branches there are: a row is neither added nor removed here.
    cdsCliente.BeforeInsert = [](ClientDataSet&) { throw Abort(); };
    cdsCliente.BeforeDelete = [](ClientDataSet&) { throw Abort(); };
    cdsCliente.AfterPost = [this](ClientDataSet&) { cdsClienteAfterPost(); };
    dbgPadrao->OnKeyPress = [this](char16_t& key) {
        if (const Field* f = dbgPadrao->SelectedField(); f && f->FieldName() == "CDFILIAL")
            key = 0;
    };
    Vqm41203::unit().frmInfEmailClie = this;
    DoCreate();
}

TfrmInfEmailClie::~TfrmInfEmailClie() {
    runDestroy();
    dtsPadrao.SetDataSet(nullptr);
}

net::TNetConnection& TfrmInfEmailClie::netClientes() const {
    return customerForm().netClientes;
}

void TfrmInfEmailClie::FormCreate() {
    TfrmPadraoGrid::FormCreate();
    if (cdsCliente.Active())
        cdsCliente.EmptyDataSet();
    else
        cdsCliente.CreateDataSet();
    load();
    const ClientDataSet& customer = customerForm().cdsCliente();
    const Field* kind = customer.FindField("IDTPIJURCLIE");
    cdsCliente.FieldByName("NRINSJURCLIE")
        .SetEditMask(Consiste::PictPess(kind && customer.Active() ? kind->AsString() : std::string()));
    showHeader();
}

void TfrmInfEmailClie::load() {
    services::readInto(netClientes(), "GetEmailClieFil", VariantArray{Variant(Vqm41203::unit().stCdCliente)},
                       cdsCliente);
}

void TfrmInfEmailClie::showHeader() {
    const bool any = cdsCliente.Active() && !cdsCliente.IsEmpty();
    edtInscricao->SetText(any ? cdsCliente.FieldByName("NRINSJURCLIE").DisplayText() : std::string());
    edtRazSocial->SetText(any ? cdsCliente.FieldByName("NMRAZSOCCLIE").AsString() : std::string());
}

void TfrmInfEmailClie::RefreshData() {
    load();
    showHeader();
}

void TfrmInfEmailClie::sbtIncluirClick() {} // rows are never added

void TfrmInfEmailClie::updateCommands() {
    TfrmPadraoGrid::updateCommands();
    for (Command c : {Command::Incluir, Command::Excluir, Command::Imprimir})
        setCommandEnabled(c, false);
}

void TfrmInfEmailClie::cdsClienteAfterPost() {
    services::sendChanges(netClientes(), cdsCliente, "SetEmailClie", this, Msg(*this, "Atual_Oper"));
}

void TfrmInfEmailClie::FormClose(gui::CloseAction& action) {
    TfrmPadraoGrid::FormClose(action);
    Vqm41203::unit().boIdCriado = false;
    action = gui::CloseAction::Free;
}

} // namespace vq
