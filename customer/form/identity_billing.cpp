// TfrmCliente: the billing company and its state and municipal registrations ("Dados para Faturamento").

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "customer/form/identity_support.h"
#include "customer/identity_rules.h"
#include "framework/services/pesquisa.h"
#include "framework/validation/consiste.h"
#include "platform/gui/db_controls.h"

namespace vq {
namespace {

using customer::form::assign;
using customer::form::failWith;
using customer::form::fieldText;

constexpr const char* kPlaceholder = "*";

} // namespace

void TfrmCliente::Vd_Empresa(bool skipLookup) {
    ClientDataSet& m = cdsCliente();
    if (!m.editing())
        return;
    try {
        assign(m, "CDEMPRESA", Consiste::Ajusta(ident.dbeCDEmpresa->Text(), 2));
        const std::string code = fieldText(m, "CDEMPRESA");
        if (code.empty() || skipLookup)
            return;
        if (!customer::form::found(qryEmpresa, {{"P_CDEMPRESA", Variant(code)}}))
            failWith(*this, "Empresa_cad");
        assign(m, "NMEMPRESA", qryEmpresa.FieldByName("NMEMPRESA").AsString());
    } catch (...) {
        validationFailed(sheet(Tab::DadosPed), ident.dbeCDEmpresa, true);
        throw;
    }
}

void TfrmCliente::Vd_InscEstadual(bool skipLookup) {
    const std::string code = Consiste::AllTrim(ident.dbeInscEsta->Text());
    if (code.empty() || skipLookup)
        return;
    try {
        if (!customer::form::found(qryInscEstad, {{"P_CDEMPRESA", Variant(ident.dbeCDEmpresa->Text())},
                                                  {"P_CDINSCESTA", Variant(code)},
                                                  {"P_TCDINSCESTA", Variant(std::string())}}))
            failWith(*this, "InscEstad_cad");
    } catch (...) {
        validationFailed(sheet(Tab::DadosPed), ident.dbeInscEsta, true);
        throw;
    }
}

void TfrmCliente::Vd_InscMunicipal(bool skipLookup) {
    const std::string code = Consiste::AllTrim(ident.dbeInscMuni->Text());
    if (code.empty() || skipLookup)
        return;
    try {
        if (!customer::form::found(qryInscMunicip, {{"P_CDEMPRESA", Variant(ident.dbeCDEmpresa->Text())},
                                                    {"P_CDINSCMUNI", Variant(code)},
                                                    {"P_TCDINSCMUNI", Variant(std::string())}}))
            failWith(*this, "InscMuni_cad");
    } catch (...) {
        validationFailed(sheet(Tab::DadosPed), ident.dbeInscMuni, true);
        throw;
    }
}

// ---- Changes: a new company invalidates its registrations, a new registration the series.

void TfrmCliente::dbeCDEmpresaChange() {
    ClientDataSet& m = cdsCliente();
    if (!m.editing())
        return;
    assign(m, "NMEMPRESA", "");
    assign(m, "CDINSCESTA", kPlaceholder);
    assign(m, "CDINSCMUNI", kPlaceholder);
}

void TfrmCliente::dbeInscEstaChange() {
    ClientDataSet& m = cdsCliente();
    if (!m.editing())
        return;
    assign(m, "CDSERIE", kPlaceholder);
    assign(m, "CDINSCMUNI", kPlaceholder);
}

void TfrmCliente::dbeInscMuniChange() {
    ClientDataSet& m = cdsCliente();
    if (m.editing())
        assign(m, "CDSERIE", kPlaceholder);
}

void TfrmCliente::dbeCDEmpresaExit() {
    if (cdsCliente().editing())
        Vd_Empresa(false);
}

void TfrmCliente::dbeInscEstaExit() {
    if (cdsCliente().editing())
        Vd_InscEstadual(false);
}

void TfrmCliente::dbeInscMuniExit() {
    if (cdsCliente().editing())
        Vd_InscMunicipal(false);
}

// ---- Searches

namespace {
// Puts the customer in edit when it was browsing, so the chosen code can be written.
void editForChoice(ClientDataSet& m) {
    if (m.State() == DataSetState::Browse)
        m.Edit();
}
} // namespace

void TfrmCliente::sbtProcuraEmpresaClick() {
    customer::form::found(qryEmpresa, {{"P_CDEMPRESA", Variant()}});
    if (!Pesquisa::Pesquisar(qryEmpresa, "Não há empresa cadastrada.|Empresa",
                             {{"CDEMPRESA", "Código"}, {"NMEMPRESA", "Nome"}}, "CDEMPRESA"))
        return;
    ClientDataSet& m = cdsCliente();
    editForChoice(m);
    assign(m, "CDEMPRESA", qryEmpresa.FieldByName("CDEMPRESA").AsString());
    assign(m, "NMEMPRESA", qryEmpresa.FieldByName("NMEMPRESA").AsString());
}

void TfrmCliente::btpInscEstClick() {
    customer::form::found(qryInscEstad, {{"P_CDEMPRESA", Variant(ident.dbeCDEmpresa->Text())},
                                         {"P_CDINSCESTA", Variant(std::string())},
                                         {"P_TCDINSCESTA", Variant(std::string("T"))}});
    if (!Pesquisa::Pesquisar(qryInscEstad, "Não há inscrição estadual cadastrada.|Inscrição Estadual",
                             {{"CDINSCESTA", "Código"},
                              {"NRINSJURIEST", "Inscrição"},
                              {"NMREPRINSEST", "Representante Legal"},
                              {"SGESTADO", "UF"}},
                             "CDINSCESTA"))
        return;
    ClientDataSet& m = cdsCliente();
    editForChoice(m);
    assign(m, "CDINSCESTA", qryInscEstad.FieldByName("CDINSCESTA").AsString());
}

void TfrmCliente::btpInscMuniClick() {
    customer::form::found(qryInscMunicip, {{"P_CDEMPRESA", Variant(ident.dbeCDEmpresa->Text())},
                                           {"P_CDINSCMUNI", Variant(std::string())},
                                           {"P_TCDINSCMUNI", Variant(std::string("T"))}});
    if (!Pesquisa::Pesquisar(qryInscMunicip, "Não há inscrição municipal cadastrada.|Inscrição Municipal",
                             {{"CDINSCMUNI", "Código"}}, "CDINSCMUNI"))
        return;
    ClientDataSet& m = cdsCliente();
    editForChoice(m);
    assign(m, "CDINSCMUNI", qryInscMunicip.FieldByName("CDINSCMUNI").AsString());
}

} // namespace vq
