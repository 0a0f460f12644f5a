// TfrmCliente, commercial classification: ledger account, currency index, applied material and the
// abbreviation for specific files.

#include "customer/Vqm41200.h"
#include "customer/classification_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/db_geral.h"
#include "framework/services/messages.h"
#include "framework/services/tabvalid.h"
#include "framework/services/vorlane.h"
#include "framework/validation/consiste.h"
#include "platform/data/utf8.h"
#include "platform/gui/colors.h"
#include "platform/gui/db_controls.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;

void TfrmCliente::Vd_ContCtbl(bool) {
    ClientDataSet& master = cdsCliente();
    if (!master.editing())
        return;
    auto& l = lookups()["ContCtbl"];
    try {
        const std::string code = customer::treeCode(extra.dbeCdContCtbl->Text());
        if (code.empty()) {
            master.FieldByName("NMCONTCTBL").Clear();
            return;
        }
        Tabvalid::ValidEx(code, 2);
        ClientDataSet& accounts = data_->dataSet("cdsContCtbl");
        services::readInto(
            netClientes, "GetContCtbl",
            VariantArray{Variant(code), Variant(std::string()), Variant(Vorlane::DBPictObj(2).levels())},
            accounts);
        if (accounts.IsEmpty())
            Consiste::MensErro(Msg(*this, "Cont_cad"));
        master.FieldByName("NMCONTCTBL").SetAsString(fieldText(accounts, "NMCONTCTBL"));
    } catch (...) {
        lookups().failed(l);
        throw;
    }
}

// ---- Currency index: "*" in its four fields when none is chosen.

namespace {
constexpr const char* kIndexFields[] = {"CDINDICE", "SGINDICE", "CDTPINDICE", "IDPERVALOR"};
}

void TfrmCliente::Vd_Indice(bool report) {
    Vqm41200::UnitState& u = Vqm41200::unit();
    ClientDataSet& master = cdsCliente();
    auto& l = lookups()["Indice"];
    try {
        std::string abbreviation = Consiste::AllTrim(cls.dbeSgIndice->Text());
        if (abbreviation == "*")
            abbreviation.clear();
        if (abbreviation.empty()) {
            if (report)
                Consiste::MensErro(Msg(*this, "Indice"));
            if (master.editing())
                for (const char* f : kIndexFields)
                    master.FieldByName(f).SetAsString("*");
            u.boPesqIndice = false;
            return;
        }
        if (!u.boPesqIndice || !master.editing())
            return;
        useDBGeral(qryMoeda);
        qryMoeda.Close();
        qryMoeda.ParamByName("P_SGINDICE").setValue(Variant(abbreviation));
        qryMoeda.ParamByName("P_TSGINDICE").setValue(Variant(std::string()));
        qryMoeda.Open();
        if (qryMoeda.IsEmpty())
            Consiste::MensErro(Msg(*this, "Indice_cad"));
        for (const char* f : {"NMINDICE", "CDINDICE", "CDTPINDICE", "IDPERVALOR"})
            master.FieldByName(f).SetAsString(qryMoeda.FieldByName(f).AsString());
        u.boPesqIndice = false;
    } catch (...) {
        lookups().failed(l);
        throw;
    }
}

// ---- Applied material

void TfrmCliente::Clear_MatAplic() {
    const bool on = cls.dckMatAplic->Checked();
    for (gui::DbEdit* edit : {cls.dbeMatAplic, cls.dbeProdMatAplic}) {
        edit->SetEnabled(on);
        edit->SetColor(on ? gui::colors::Normal : gui::colors::Disabled);
    }
    ClientDataSet& master = cdsCliente();
    if (on || !master.editing())
        return;
    for (const char* f : {"DSMATAPLICCLIE", "NMPRODMATAPLIC", "CDARVMATAPLIC", "CDPRODMATAPLIC"})
        master.FieldByName(f).Clear();
}

void TfrmCliente::Vd_ProdMatAplic() {
    ClientDataSet& master = cdsCliente();
    if (!master.editing())
        return;
    auto& l = lookups()["ProdMatAplic"];
    try {
        const std::string tree = customer::treeCode(cls.dbeProdMatAplic->Text());
        if (tree.empty()) {
            master.FieldByName("CDPRODMATAPLIC").SetAsString("*");
            master.FieldByName("CDARVMATAPLIC").Clear();
            return;
        }
        ClientDataSet& products = data_->dataSet("cdsProdMatAplic");
        services::readInto(netClientes, "GetProdMatAplic", VariantArray{Variant(tree)}, products);
        if (fieldText(products, "CDPRODUTO").empty())
            Consiste::MensErro(Msg(*this, "prod_inv"));
        master.FieldByName("CDPRODMATAPLIC").SetAsString(fieldText(products, "CDPRODUTO"));
        master.FieldByName("NMPRODMATAPLIC").SetAsString(fieldText(products, "NMPRODUTO"));
        master.FieldByName("CDARVMATAPLIC").SetAsString(fieldText(products, "CDARVPROD"));
    } catch (...) {
        lookups().failed(l);
        throw;
    }
}

// ---- Abbreviation: the server is asked first, then the length is checked.

void TfrmCliente::Vd_Sigla(bool) {
    const std::string abbreviation = Consiste::AllTrim(form.dbeSigla->Text());
    if (abbreviation.empty())
        return;
    auto& l = lookups()["Sigla"];
    try {
        // The tax number as stored: without the mask's literals, or the customer would find itself.
        const std::string number = removeCaracteres(form.dbeNrInsJurClie->Text());
        ClientDataSet& users = data_->dataSet("cdsVdSigla");
        services::readInto(netClientes, "GetVdSigla", VariantArray{Variant(abbreviation), Variant(number)},
                           users);
        if (!users.IsEmpty())
            Consiste::MensErro(Msg(*this, "sigla_cad"));
        if (utf8Length(abbreviation) != 3)
            Consiste::MensErro(Msg(*this, "sigla_Maior"));
    } catch (...) {
        lookups().failed(l);
        throw;
    }
}

} // namespace vq
