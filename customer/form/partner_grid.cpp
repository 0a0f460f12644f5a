// TfrmCliente, partners: the grid on "Sócios", the registration number's normalising and display, the
// checks before a partner is posted, and the command and page control of the subpage.

#include "customer/Vqm41200.h"
#include "customer/customer_dataset_rules.h"
#include "customer/financial_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/services/showavi.h"
#include "framework/validation/consiste.h"
#include "platform/data/data_source.h"
#include "platform/data/edit_mask.h"
#include "platform/gui/buttons.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/form_builder.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

#include <vector>

namespace vq {

using customer::form::fieldText;

namespace {

// clang-format off
constexpr gui::ColumnSpec kPartnerColumns[] = {
    {"dbgSocios", "NRINSSOCCLIE", "Inscrição", 20},
    {"dbgSocios", "NMSOCIOCLIE", "Razão Social", 50},
};
// clang-format on

constexpr std::string_view kNumber = "NRINSSOCCLIE";
constexpr std::string_view kName = "NMSOCIOCLIE";

} // namespace

void TfrmCliente::buildPartners() {
    dbgSocios = component<gui::DbGrid>("dbgSocios");
    gui::buildColumns(*this, kPartnerColumns);
    ClientDataSet& partners = data_->cdsSocios();
    partners.FieldByName(kNumber).OnGetText = [&partners](Field& sender, std::string& text, bool display) {
        const std::string mask = Consiste::PictPess(fieldText(partners, "IDTPINSSOCCL"));
        text = display && !mask.empty() && !sender.IsNull() ? formatMaskText(mask, sender.AsString())
                                                            : sender.AsString();
    };
}

void TfrmCliente::wirePartners() {
    dbgSocios->OnColExit = [this] { dbgSociosColExit(); };
    data_->sourceOf("cdsSocios")->OnStateChange = [this](DataSource&) { dtsSociosStateChange(); };
    ClientDataSet& partners = data_->cdsSocios();
    customer::runAfter(partners.AfterInsert, [this](ClientDataSet&) { cdsSociosAfterInsert(); });
    customer::runAfter(partners.AfterEdit, [this](ClientDataSet&) { cdsSociosAfterEdit(); });
    customer::runBefore(partners.BeforePost, [this](ClientDataSet&) { cdsSociosBeforePost(); });
    // After the save wired with the dataset (frm_cliente_save.cpp).
    customer::runAfter(partners.AfterDelete, [this](ClientDataSet&) { ControlaSituacaoFinanceira(); });
    customer::runAfter(partners.AfterCancel, [this](ClientDataSet&) { ControlaSituacaoFinanceira(); });
}

void TfrmCliente::pgcSituFinancChange() {
    const bool onPartners = detail.pgcSituFinanc->ActivePage() == detail.tshSocios;
    mnuSituFinaGeral->SetChecked(!onPartners);
    mnuSocios->SetChecked(onPartners);
    ClientDataSet& partners = data_->cdsSocios();
    if (onPartners && !partners.Active() && !currentCode().empty()) {
        Showavi::Scope busy(this, Showavi::kSearching);
        services::readInto(netClientes, "GetSocios", VariantArray{Variant(currentCode())}, partners);
    }
    ControlaSituacaoFinanceira();
}

// ---- Checks

void TfrmCliente::normalisePartnerNumber() {
    ClientDataSet& partners = data_->cdsSocios();
    std::string number = "C" + fieldText(partners, kNumber);
    const char kind = Consiste::Ajusta_Inscricao(number);
    partners.FieldByName("IDTPINSSOCCL").SetAsString(std::string(1, kind));
    partners.FieldByName(kNumber).SetAsString(number);
}

void TfrmCliente::Vd_Socios() {
    if (!customer::form::editing(*data_->sourceOf("cdsSocios")))
        return;
    const ClientDataSet& partners = data_->cdsSocios();
    for (auto [field, key] : {std::pair{kName, "NmSoc_inf"}, std::pair{kNumber, "CdSoc_inf"}}) {
        if (!Consiste::EmptyString(fieldText(partners, field)))
            continue;
        selectInner(*detail.pgcSituFinanc, *detail.tshSocios);
        dbgSocios->SetSelectedField(field);
        if (dbgSocios->CanFocus())
            dbgSocios->SetFocus();
        Consiste::MensErro(Msg(*this, key));
    }
}

void TfrmCliente::dbgSociosColExit() {
    const Field* field = dbgSocios->SelectedField();
    if (!field || field->FieldName() != kNumber || !customer::form::editing(*data_->sourceOf("cdsSocios")))
        return;
    dbgSocios->commitEditor();
    if (!Consiste::EmptyString(fieldText(data_->cdsSocios(), kNumber)))
        normalisePartnerNumber();
}

void TfrmCliente::cdsSociosAfterInsert() {
    dbgSocios->SetSelectedField(kName);
}

void TfrmCliente::cdsSociosAfterEdit() {
    // The number as read: the check before the post asks only for another one.
    Vqm41200::unit().stInscSocio = fieldText(data_->cdsSocios(), kNumber);
}

void TfrmCliente::cdsSociosBeforePost() {
    ClientDataSet& partners = data_->cdsSocios();
    Vd_Socios();
    normalisePartnerNumber();
    const std::string code = currentCode();
    partners.FieldByName("CDCLIENTE").SetAsString(code);
    const bool inserting = partners.State() == DataSetState::Insert;
    if (inserting && fieldText(partners, "NRSEQSOCCLIE").empty()) {
        // The next two-digit sequence of the customer's partners ("01" first).
        std::vector<std::string> used;
        const int index = partners.FieldByName("NRSEQSOCCLIE").Index();
        const int current = partners.RecNo() - 1;
        for (int row = 0; row < partners.RecordCount(); ++row)
            if (row != current)
                used.push_back(partners.valueAt(row, index).toString());
        const auto next = customer::nextPartnerSequence(used);
        if (!next)
            throw Error("O cliente já tem 99 sócios; não cabe outro.");
        partners.FieldByName("NRSEQSOCCLIE").SetAsString(*next);
    }
    const std::string number = fieldText(partners, kNumber);
    if (!inserting && number == Vqm41200::unit().stInscSocio)
        return; // its own number is no duplicate
    const Variant answer = callChecked("GetValid_Socio", VariantArray{Variant(code), Variant(number)});
    if (!answer.toBool()) {
        selectInner(*detail.pgcSituFinanc, *detail.tshSocios);
        dbgSocios->SetSelectedField(kNumber);
        Consiste::MensErro(Msg(*this, "CODIGO_J_CAD"));
    }
}

void TfrmCliente::dtsSociosStateChange() {
    if (detail.pgcSituFinanc->ActivePage() == detail.tshSocios)
        ControlaSituacaoFinanceira();
}

// ---- Commands and pages

void TfrmCliente::ControlaSituacaoFinanceira() {
    if (destroying_)
        return;
    const ClientDataSet& partners = data_->cdsSocios();
    const DataSource& source = *data_->sourceOf("cdsSocios");
    if (!onTab(Tab::SitFinanc) || detail.pgcSituFinanc->ActivePage() != detail.tshSocios ||
        !partners.Active()) {
        dtsPadraoStateChange();
        cmd.sbtCadAut->SetEnabled(mnuIncluir->Enabled());
        return;
    }
    const bool allow = changesAllowed();
    const bool editingRow = customer::form::editing(source);
    const bool pending = partners.ChangeCount() > 0;
    setCommandEnabled(Command::Incluir, !editingRow && allow);
    for (Command c : {Command::Alterar, Command::Excluir, Command::Procurar, Command::Verificar})
        setCommandEnabled(c, !editingRow && pending && allow);
    setCommandEnabled(Command::Confirmar, editingRow && allow);
    setCommandEnabled(Command::Cancelar, editingRow && allow);
    cmd.sbtFiltro->SetEnabled(!editingRow);
    lockOtherPages(sheet(Tab::SitFinanc), source.State());
    if (cdsCliente().State() == DataSetState::Browse) {
        detail.tshSituFinaGeral->SetEnabled(!editingRow);
        mnuSituFinaGeral->SetEnabled(!editingRow);
    }
    cmd.sbtCadAut->SetEnabled(mnuIncluir->Enabled());
}

} // namespace vq
