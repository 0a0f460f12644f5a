// TfrmCliente, contacts concern: the correspondence types of the current contact ("Correspondência"):
// read per contact, only inserted or deleted, each type once per interloc.

#include "customer/Vqm41200.h"
#include "customer/contact_rules.h"
#include "customer/customer_dataset_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/page_control.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;

void TfrmCliente::loadCorrespondence() {
    ClientDataSet& correspondence = data_->cdsCorres();
    if (correspondence.editing())
        return;
    const std::string contactCode = fieldText(data_->cdsInterloc(), "CDINTECLIE");
    services::readInto(netClientes, "GetCorres", VariantArray{Variant(currentCode()), Variant(contactCode)},
                       correspondence);
}

void TfrmCliente::wireCorrespondence() {
    ClientDataSet& correspondence = data_->cdsCorres();
    gui::DbGrid& grid = *interloc.dbgCorres;
    data_->sourceOf("cdsCorres")->OnStateChange = [this](DataSource&) { dtsCorresStateChange(); };
    // A row goes with a contact the server already has: one being inserted may never be saved.
    customer::runBefore(correspondence.BeforeInsert, [this](ClientDataSet&) {
        if (data_->cdsInterloc().State() == DataSetState::Insert)
            Consiste::MensErro(Msg(*this, "Corres_Inter_Ins"));
    });
    customer::runAfter(correspondence.AfterInsert,
                       [&grid](ClientDataSet&) { grid.SetSelectedField("CDTIPOCORR"); });
    // Rows are only added or removed.
    customer::runBefore(correspondence.BeforeEdit, [](ClientDataSet&) { throw Abort(); });
    auto cancelledInsert = std::make_shared<bool>(false);
    customer::runBefore(correspondence.BeforeCancel, [cancelledInsert](ClientDataSet& ds) {
        *cancelledInsert = ds.State() == DataSetState::Insert;
    });
    customer::runAfter(correspondence.AfterCancel, [cancelledInsert](ClientDataSet& ds) {
        if (*cancelledInsert && ds.ChangeCount() > 0)
            ds.CancelUpdates();
        *cancelledInsert = false;
    });
    customer::runBefore(correspondence.BeforePost, [this](ClientDataSet&) { Vd_Tipo(true); });

    grid.OnColExit = [this, &grid, &correspondence] {
        const Field* field = grid.SelectedField();
        if (correspondence.State() == DataSetState::Insert && field && field->FieldName() == "CDTIPOCORR")
            Vd_Tipo(false);
    };
    grid.OnKeyPress = [&grid](char16_t& key) {
        const Field* field = grid.SelectedField();
        if (field && field->FieldName() == "NMTIPOCORR" && key != 8 && key != 9 && key != 13 && key != u' ')
            key = 0;
    };
    // Ctrl+Enter presses the type column's button also when no cell editor is open.
    grid.OnKeyDown = [&grid, &correspondence](int& key, Qt::KeyboardModifiers modifiers) {
        const Field* field = grid.SelectedField();
        if (key == Qt::Key_Return && (modifiers & Qt::ControlModifier) && correspondence.editing() && field &&
            field->FieldName() == "CDTIPOCORR") {
            key = 0;
            grid.EditButtonClick();
        }
    };
    grid.OnEditButtonClick = [this, &correspondence] {
        if (!changesAllowed())
            return;
        ClientDataSet& types = lookupList("cdsTipoCorr");
        readLookup(types, "GetTipoCorr", "", "T");
        if (!correspondence.editing())
            return;
        if (Pesquisa::Pesquisar(LookupSource(types), Msg(*this, "Tipo_NotExis") + "|" + Msg(*this, "Tipo")))
            correspondence.FieldByName("CDTIPOCORR").SetAsString(fieldText(types, "CDTIPOCORR"));
    };
}

void TfrmCliente::Vd_Tipo(bool report) {
    ClientDataSet& correspondence = data_->cdsCorres();
    if (!correspondence.editing())
        return;
    gui::DbGrid& grid = *interloc.dbgCorres;
    Field& type = correspondence.FieldByName("CDTIPOCORR");
    try {
        if (Consiste::EmptyString(type.AsString())) {
            if (report)
                Consiste::MensErro(Msg(*this, "Tipo_inf"));
            correspondence.FieldByName("NMTIPOCORR").Clear();
            return;
        }
        const Field* selected = grid.SelectedField();
        if (customer::typeLookupSkipped(report, selected ? selected->FieldName() : std::string()))
            return;
        const std::string code = Consiste::Ajusta(type.AsString(), 3);
        if (code.size() > 3)
            Consiste::MensErro("Tipo de correspondência \"" + code + "\" com mais de 3 caracteres.");
        type.SetAsString(code);
        ClientDataSet& types = lookupList("cdsTipoCorr");
        readLookup(types, "GetTipoCorr", code, "");
        if (types.IsEmpty())
            Consiste::MensErro(Msg(*this, "Tipo_cad"));
        ClientDataSet& taken = lookupList("cdsAuxCorres");
        const std::string contactCode = fieldText(data_->cdsInterloc(), "CDINTECLIE");
        services::readInto(netClientes, "GetAuxCorres",
                           VariantArray{Variant(currentCode()), Variant(contactCode), Variant(code)}, taken);
        if (!taken.IsEmpty())
            Consiste::MensErro(Msg(*this, "Tipo_Exist"));
        correspondence.FieldByName("NMTIPOCORR").SetAsString(fieldText(types, "NMTIPOCORR"));
    } catch (...) {
        grid.SetSelectedField("CDTIPOCORR");
        contactFailed(detail.tshCorres, &grid);
        throw;
    }
}

} // namespace vq
