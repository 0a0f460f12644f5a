// TfrmCliente, contacts concern: the dated observations ("Observações"): the operator of each one, its
// checks before a post, the grid's keys and the text's formatting tool bar.

#include "customer/Vqm41200.h"
#include "customer/contact_rules.h"
#include "customer/customer_dataset_rules.h"
#include "customer/form/form_support.h"
#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/validation/consiste.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"

namespace vq {

using customer::form::fieldText;

namespace {

void selectColumn(gui::DbGrid& grid, const char* field) {
    grid.SetSelectedField(field);
}

} // namespace

void TfrmCliente::wireObservations() {
    ClientDataSet& observations = data_->cdsObserv();
    gui::DbGrid& grid = *interloc.dbgObserv;
    grid.SetEditing(false);
    data_->sourceOf("cdsObserv")->OnStateChange = [this](DataSource&) { dtsObservStateChange(); };
    customer::runAfter(observations.AfterInsert,
                       [&grid](ClientDataSet&) { selectColumn(grid, "CDOPERADOR"); });
    customer::runBefore(observations.BeforePost, [this](ClientDataSet& ds) { observationBeforePost(ds); });

    const auto operatorColumn = [&grid] {
        const Field* field = grid.SelectedField();
        return field && field->FieldName() == "CDOPERADOR";
    };
    grid.OnColExit = [this, operatorColumn] {
        if (operatorColumn())
            Vd_Operador();
    };
    grid.OnExit = [this] { Vd_Operador(); };
    grid.OnKeyDown = [this, &grid, &observations, operatorColumn](int& key, Qt::KeyboardModifiers modifiers) {
        if (key == Qt::Key_Delete) {
            key = 0;
        } else if (key == Qt::Key_Return && (modifiers & Qt::ControlModifier) && operatorColumn() &&
                   observations.State() == DataSetState::Insert) {
            key = 0; // the operator column's button, also when no cell editor is open
            grid.EditButtonClick();
        } else if (key == Qt::Key_Tab && operatorColumn()) {
            key = 0;
            grid.SetEditing(false);
            if (interloc.dreObserv->CanFocus())
                SetFocus(*interloc.dreObserv);
        }
    };
    grid.OnEditButtonClick = [this, &observations] {
        if (!changesAllowed())
            return;
        ClientDataSet& operators = lookupList("cdsOperador");
        readLookup(operators, "GetOperador", "", "T");
        if (!Pesquisa::Pesquisar(LookupSource(operators), Msg(*this, "OPERADOR")))
            return;
        if (observations.State() == DataSetState::Browse)
            observations.Edit();
        for (const char* f : {"CDOPERADOR", "NMOPERADOR"})
            observations.FieldByName(f).SetAsString(fieldText(operators, f));
    };

    // The formatting tool bar acts on the text being typed.
    gui::DbRichEdit& text = *interloc.dreObserv;
    const std::pair<const char*, void (QTextEdit::*)()> kEditActions[] = {
        {"tbtRecortar", &QTextEdit::cut},
        {"tbtCopiar", &QTextEdit::copy},
        {"tbtColar", &QTextEdit::paste},
        {"tbtDesfazer", &QTextEdit::undo},
    };
    for (const auto& [name, action] : kEditActions)
        component<gui::ToolButton>(name)->OnClick = [&text, action] { (text.*action)(); };
    component<gui::ToolButton>("tbtNegrito")->OnClick = [&text] {
        text.setFontWeight(text.fontWeight() == QFont::Bold ? QFont::Normal : QFont::Bold);
    };
    component<gui::ToolButton>("tbtItalico")->OnClick = [&text] { text.setFontItalic(!text.fontItalic()); };
    component<gui::ToolButton>("tbtSublinhado")->OnClick = [&text] {
        text.setFontUnderline(!text.fontUnderline());
    };
    const std::pair<const char*, Qt::Alignment> kAlignments[] = {{"tbtEsquerda", Qt::AlignLeft},
                                                                 {"tbtCentralizado", Qt::AlignHCenter},
                                                                 {"tbtDireita", Qt::AlignRight}};
    for (const auto& [name, alignment] : kAlignments)
        component<gui::ToolButton>(name)->OnClick = [&text, alignment] { text.setAlignment(alignment); };
}

void TfrmCliente::observationBeforePost(ClientDataSet& observations) {
    gui::DbGrid& grid = *interloc.dbgObserv;
    try {
        if (observations.FieldByName("DTHROBSCLIE").IsNull())
            Consiste::MensErro(Msg(*this, "data_deve"));
        customer::discardIfEmpty(observations, observations.FieldByName("DSOBSERVCLIE").AsString());
    } catch (const Abort&) {
        if (observations.editing()) {
            selectColumn(grid, "DTHROBSCLIE");
            validationFailed(sheet(Tab::Observ), &grid);
        }
        throw;
    }
    Vd_Operador();
}

void TfrmCliente::Vd_Operador() {
    ClientDataSet& observations = data_->cdsObserv();
    if (!observations.editing())
        return;
    gui::DbGrid& grid = *interloc.dbgObserv;
    try {
        Field& code = observations.FieldByName("CDOPERADOR");
        const std::string adjusted = Consiste::Ajusta(code.AsString(), code.Size());
        if (static_cast<int>(adjusted.size()) > code.Size())
            Consiste::MensErro("Código de operador \"" + adjusted + "\" com mais de " +
                               std::to_string(code.Size()) + " caracteres.");
        code.SetAsString(adjusted);
        ClientDataSet& operators = lookupList("cdsOperador");
        readLookup(operators, "GetOperador", adjusted, "");
        if (operators.IsEmpty())
            Consiste::MensErro(Msg(*this, "Oper_Cad"));
        observations.FieldByName("NMOPERADOR").SetAsString(fieldText(operators, "NMOPERADOR"));
    } catch (...) {
        selectColumn(grid, "CDOPERADOR");
        validationFailed(sheet(Tab::Observ), &grid);
        throw;
    }
}

} // namespace vq
