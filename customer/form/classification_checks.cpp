// TfrmCliente, commercial classification: the checks that follow the common rule, the activity branch, the
// qualification, origin and divulgation mode, and the region.

#include "customer/Vqm41200.h"
#include "customer/classification_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/services/vorlane.h"
#include "framework/validation/consiste.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/edit.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;

void TfrmCliente::Vd_Vendedor(bool report) {
    lookups().check(lookups()["Vendedor"], report);
}

void TfrmCliente::Vd_SegMercado(bool report) {
    lookups().check(lookups()["SegMercado"], report);
}

void TfrmCliente::Vd_Qualifica() {
    lookups().check(lookups()["Qualifica"], false);
}

void TfrmCliente::Vd_GrupClie() {
    lookups().check(lookups()["GrupClie"], false);
}

void TfrmCliente::Vd_FiliCad() {
    lookups().check(lookups()["FiliCad"], false);
}

void TfrmCliente::Vd_Idioma() {
    lookups().check(lookups()["Idioma"], false);
}

void TfrmCliente::Vd_CentCusto() {
    lookups().check(lookups()["CentCusto"], false);
}

void TfrmCliente::Vd_Regiao() {
    auto& l = lookups()["Regiao"];
    // However the check ends, the record keeps what the edit shows.
    struct CopyBack {
        TfrmCliente& form;
        ~CopyBack() {
            try {
                if (form.cdsCliente().editing())
                    form.cdsCliente().FieldByName("CDREGIAOPED").SetAsString(form.detail.dbeCdRegiao->Text());
            } catch (...) {
                // The check's own failure is the one reported.
            }
        }
    } copyBack{*this};
    lookups().check(l, false);
}

void TfrmCliente::vd_Divulg(gui::DbEdit& edit) {
    const bool origin = &edit == form.dbeOrigem;
    auto& l = lookups()[origin ? "Origem" : "ModoDivulg"];
    ClientDataSet& master = cdsCliente();
    if (!master.editing())
        return;
    if (master.FieldByName("CDMODODIVULG").AsString().empty() && ActiveControl() != cls.dbeCdModoDivulg)
        return;
    try {
        const std::string code = Consiste::Ajusta(edit.Text(), 5);
        if (code.size() > 5)
            Consiste::MensErro(Msg(*this, "Divulg_nc"));
        master.FieldByName("CDMODODIVULG").SetAsString(code);
        std::string name;
        if (!lookups().find(l, code, name))
            Consiste::MensErro(Msg(*this, "Divulg_nc"));
        master.FieldByName("NMMODODIVULG").SetAsString(name);
        lookups().showName(l, name);
    } catch (...) {
        lookups().failed(l);
        throw;
    }
}

// ---- Activity branch: the tree code is shown in medCdArvRamo, the record keeps the branch's CDATIVCLI.

void TfrmCliente::Vd_CdRamoAtividade() {
    Vqm41200::UnitState& u = Vqm41200::unit();
    ClientDataSet& master = cdsCliente();
    if (!master.editing() || !u.boPesqAtiv)
        return;
    auto& l = lookups()["CdRamoAtividade"];
    ClientDataSet& ramo = data_->dataSet("cdsRamoAtiv");
    try {
        const std::string code = customer::treeCode(form.medCdArvRamo->Text());
        if (code.empty()) {
            // Emptied: the branch read last comes back.
            form.medCdArvRamo->SetText(fieldText(ramo, "CDARVATIVCLI"));
            form.edtdsRamoAtiv->SetText(fieldText(ramo, "DSATIVCLI"));
            return;
        }
        if (ramo.Active())
            ramo.EmptyDataSet();
        const std::string levels = std::to_string(Vorlane::DBPictObj(16).levels());
        services::readInto(
            netClientes, "GetRamoAtiv",
            VariantArray{Variant(std::string()), Variant(std::string()), Variant(levels), Variant(code)},
            ramo);
        if (ramo.IsEmpty())
            Consiste::MensErro(Msg(*this, "ATIV_CAD"));
        form.medCdArvRamo->SetText(fieldText(ramo, "CDARVATIVCLI"));
        form.edtdsRamoAtiv->SetText(fieldText(ramo, "DSATIVCLI"));
        master.FieldByName("CDATIVCLI").SetAsString(fieldText(ramo, "CDATIVCLI"));
        u.boPesqAtiv = false;
    } catch (...) {
        lookups().failed(l);
        throw;
    }
}

} // namespace vq
