// TfrmCliente: steps of other concerns that this form's lifecycle already runs at their place. Each does
// nothing until its concern's unit fills it.

#include "customer/Vqm41200.h"

namespace vq {

void TfrmCliente::Vd_Qualifica() {}
void TfrmCliente::pgcInterlocChange() {}
void TfrmCliente::pgcSituFinancChange() {}
void TfrmCliente::ControlaSituacaoFinanceira() {}
void TfrmCliente::ImportaEnderecoProspectCliente(ClientDataSet& dataSet) {
    (void)dataSet;
}

// ---- Checks and steps the record commands run.

void TfrmCliente::Vd_Sigla(bool) {}
void TfrmCliente::Vd_CdRamoAtividade() {}
void TfrmCliente::Vd_SegMercado(bool) {}
void TfrmCliente::Vd_CentCusto() {}
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

// ---- Checks of other concerns at their step of cdsClienteBeforePost.
void TfrmCliente::vd_Divulg(gui::DbEdit&) {}
void TfrmCliente::Vd_Idioma() {}
void TfrmCliente::Vd_GrupClie() {}
void TfrmCliente::Vd_Regiao() {}
void TfrmCliente::Vd_FiliCad() {}

} // namespace vq
