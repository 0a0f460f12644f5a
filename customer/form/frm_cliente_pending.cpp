// TfrmCliente: steps of other concerns that this form's lifecycle already runs at their place. Each does
// nothing until its concern's unit fills it.

#include "customer/Vqm41200.h"
#include "framework/validation/consiste.h"

namespace vq {

void TfrmCliente::Vd_Qualifica() {}
void TfrmCliente::pgcInterlocChange() {}
void TfrmCliente::pgcSituFinancChange() {}
void TfrmCliente::ControlaSituacaoFinanceira() {}
void TfrmCliente::getRetECF() {}
void TfrmCliente::addressExitChecks(customer::form::AddressPage& page) {
    (void)page;
}
void TfrmCliente::nameExitChecks() {}
void TfrmCliente::nameEnter() {}
void TfrmCliente::registrationExitCheck() {}
void TfrmCliente::cbbEndCFOPChange() {}
void TfrmCliente::cbbEndCFOPOPresChange() {}
void TfrmCliente::Vd_Caracter(gui::Edit& edit, char16_t& key) {
    (void)edit;
    (void)key;
}
void TfrmCliente::Vd_Data_Geral(DataSource& source, gui::DbDateEdit& edit, gui::TabSheet* page,
                                gui::PageControl* pages) {
    (void)source;
    (void)edit;
    (void)page;
    (void)pages;
}

// ---- Checks and steps the record commands run.

// Until the identity checks fill it: a new customer is stored under its registration kind (or, when none is
// chosen, the kind its informing number reads as) followed by that number.
void TfrmCliente::cdsClienteBeforePost() {
    ClientDataSet& master = cdsCliente();
    if (master.State() != DataSetState::Insert)
        return;
    const std::string number = master.FieldByName("NRINSJURINFO").AsString();
    if (number.empty())
        return;
    std::string kind = master.FieldByName("IDTPIJURINFO").AsString();
    if (kind.empty()) {
        std::string marked = "C" + number;
        kind = std::string(1, Consiste::Ajusta_Inscricao(marked));
    }
    master.FieldByName("CDCLIENTE").SetAsString(kind + number);
}
void TfrmCliente::Vd_Inscricao(bool) {}
void TfrmCliente::Vd_InscEmissao(bool) {}
void TfrmCliente::Vd_DtNascFund() {}
void TfrmCliente::Vd_ClienteDesde(bool) {}
void TfrmCliente::Vd_SegMerc(bool) {}
void TfrmCliente::Vd_ProspectDesde(bool) {}
void TfrmCliente::Vd_RazSoc(bool) {}
void TfrmCliente::Vd_Fantasia(bool) {}
void TfrmCliente::Vd_Sigla(bool) {}
void TfrmCliente::Vd_CdRamoAtividade() {}
void TfrmCliente::Vd_SegMercado(bool) {}
void TfrmCliente::Vd_CentCusto() {}
void TfrmCliente::Vd_Empresa(bool) {}
void TfrmCliente::Vd_InscEstadual(bool) {}
void TfrmCliente::Vd_InscMunicipal(bool) {}
void TfrmCliente::Vd_dbeCdSerie() {}
void TfrmCliente::addressConfirmChecks(customer::form::AddressPage&, bool, bool) {}
void TfrmCliente::Vd_bairro(customer::form::AddressPage&) {}
void TfrmCliente::Vd_CodInterloc(bool) {}
void TfrmCliente::Vd_NmInterloc() {}
void TfrmCliente::contactAddressChecks(bool, bool) {}
void TfrmCliente::Vd_CargoInterloc(bool) {}
void TfrmCliente::Vd_ContCtbl(bool) {}
void TfrmCliente::Vd_Indice(bool) {}
void TfrmCliente::Vd_Vendedor(bool) {}
void TfrmCliente::Vd_ValorMenor(std::string_view, std::string_view) {}
void TfrmCliente::Vd_ProdMatAplic() {}
void TfrmCliente::ImportaProspect() {}
void TfrmCliente::copyProspectAddress() {}
void TfrmCliente::ApagaProspect(bool) {}

} // namespace vq
