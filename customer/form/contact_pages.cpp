// TfrmCliente, contacts concern: the inner pages of "Interlocutores" (the role layout of the active
// module, menu ticks, the copy command, the correspondence read) and the state changes of the contact,
// correspondence and observation data sources.

#include "customer/Vqm41200.h"
#include "customer/contact_rules.h"
#include "framework/services/btn_pesquisa.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"
#include "platform/gui/text_controls.h"

#include <QGridLayout>

namespace vq {

namespace {

bool editingState(DataSetState s) {
    return s == DataSetState::Edit || s == DataSetState::Insert;
}

// The widget a layout row put in its group's grid: the control, or the box that holds it with its label.
QWidget& placed(gui::Control& control, gui::GroupBox& group) {
    QWidget& w = control.widget();
    QWidget* parent = w.parentWidget();
    return parent && parent != &group ? *parent : w;
}

void moveTo(gui::GroupBox& group, gui::Control& control, int row, int col, int colSpan = 1) {
    QWidget& w = placed(control, group);
    QGridLayout& grid = gui::gridOf(group);
    grid.removeWidget(&w);
    grid.addWidget(&w, row, col, 1, colSpan);
}

void showRow(gui::GroupBox& group, gui::Control& control, bool on) {
    control.SetVisible(on);
    QWidget& w = placed(control, group);
    if (&w == &control.widget())
        return;
    w.setVisible(on); // the label goes with its control
    for (gui::Label* label : w.findChildren<gui::Label*>(Qt::FindDirectChildrenOnly))
        label->SetVisible(on);
}

} // namespace

void TfrmCliente::applyRoleLayout() {
    auto& c = interloc;
    gui::GroupBox& group = *c.grbInterloc;
    const customer::RoleLayout layout =
        customer::roleLayout(inModule(customer::ModuleRule::ShortContactPages));
    showRow(group, *c.dbeCargo, layout.freeRole);
    showRow(group, *c.dcbTipo, layout.freeRole);
    for (gui::Control* coded :
         {static_cast<gui::Control*>(c.dbeCodCargo), static_cast<gui::Control*>(c.BtnCodCargo),
          static_cast<gui::Control*>(c.dbeNmCargo)})
        showRow(group, *coded, layout.codedRole);
    // The coded role takes the free-text role's row; the birth date moves to the left column below it.
    const int codedRow = layout.codedRoleOnFreeRow ? 1 : 2;
    moveTo(group, *c.dbeCodCargo, codedRow, 0);
    moveTo(group, *c.BtnCodCargo, codedRow, 1);
    moveTo(group, *c.dbeNmCargo, codedRow, 2, 2);
    if (layout.codedRoleOnFreeRow)
        moveTo(group, *c.depDtNasc, 2, 0);
    else
        moveTo(group, *c.depDtNasc, 1, 4);

    if (layout.codedRoleOnFreeRow) {
        QWidget::setTabOrder(&c.dbeNmInter->widget(), &c.dbeCodCargo->widget());
        QWidget::setTabOrder(&c.dbeCodCargo->widget(), &c.depDtNasc->widget());
        QWidget::setTabOrder(&c.dbeCdFunc->widget(), &detail.pgcInterloc->widget());
    } else {
        QWidget::setTabOrder(&c.dbeNmInter->widget(), &c.dbcSituacao->widget());
        QWidget::setTabOrder(&c.dbcSituacao->widget(), &c.dcbTipo->widget());
        QWidget::setTabOrder(&c.dcbTipo->widget(), &c.dbeCargo->widget());
        QWidget::setTabOrder(&c.dbeCargo->widget(), &c.depDtNasc->widget());
        QWidget::setTabOrder(&c.depDtNasc->widget(), &c.dbeCodCargo->widget());
        QWidget::setTabOrder(&c.dbeCodCargo->widget(), &c.dbeCdFunc->widget());
    }
    gui::GridColumn& role = c.dbgInterloc->Column(3);
    if (role.FieldName != layout.gridRoleField) {
        role.FieldName = std::string(layout.gridRoleField);
        c.dbgInterloc->columnsChanged();
    }
}

void TfrmCliente::pgcInterlocChange() {
    if (destroying_ || !interloc.grbInterloc)
        return;
    const gui::TabSheet* page = detail.pgcInterloc->ActivePage();
    applyRoleLayout();
    mnuDadosInter->SetChecked(page == detail.tshDadosInterloc);
    mnuFormInter->SetChecked(page == detail.tshFormInter);
    mnuEndeInter->SetChecked(page == detail.tshEndeInter);
    mnuCorres->SetChecked(page == detail.tshCorres);
    // The copy fills the contact's address from the normal one: only on that page, and only for a change.
    cmd.mnuCopiaEndereo->SetEnabled(onTab(Tab::Interloc) && page == detail.tshEndeInter && changesAllowed());
    ControlaBotoes(browsingNow());
    // Inside the refresh or a record change the correspondence is read once, by them.
    if (page != detail.tshCorres)
        dtsInterlocStateChange();
    else if (!Vqm41200::unit().boScroll)
        loadCorrespondence();
}

// ---- State changes

void TfrmCliente::dtsInterlocStateChange() {
    Vqm41200::UnitState& u = Vqm41200::unit();
    if (destroying_ || u.boScroll || !interloc.grbInterloc)
        return;
    const DataSetState state = data_->sourceOf("cdsInterloc")->State();
    lockOtherPages(sheet(Tab::Interloc), state);
    interloc.dbnInterloc->SetEnabled(state == DataSetState::Browse);
    interloc.dbeCdInterloc->SetEnabled(state == DataSetState::Insert && changesAllowed());
    const bool open = data_->cdsInterloc().Active();
    mnuFormInter->SetEnabled(open);
    mnuEndeInter->SetEnabled(open);
    if (u.bohabilita) {
        detail.tshFormInter->SetEnabled(true);
        detail.tshEndeInter->SetEnabled(true);
        u.bohabilita = false;
    }
    ControlaBotoes(!editingState(state) && browsingNow());
}

void TfrmCliente::dtsCorresStateChange() {
    if (destroying_ || Vqm41200::unit().boScroll || !interloc.grbInterloc)
        return;
    const DataSetState state = data_->sourceOf("cdsCorres")->State();
    const bool editing = editingState(state);
    lockOtherPages(sheet(Tab::Interloc), state);
    if (cdsCliente().State() == DataSetState::Browse) {
        // The row belongs to the contact shown: neither its pages nor another contact while it is edited.
        for (gui::TabSheet* page : {detail.tshFormInter, detail.tshEndeInter})
            page->SetEnabled(!editing);
        mnuFormInter->SetEnabled(!editing);
        mnuEndeInter->SetEnabled(!editing);
        interloc.dbnInterloc->SetEnabled(!editing);
    }
    gui::DbGrid& grid = *interloc.dbgCorres;
    gui::GridColumn& type = grid.Column(grid.ColumnIndex("CDTIPOCORR"));
    type.Button = editing ? gui::GridColumn::ButtonStyle::Ellipsis : gui::GridColumn::ButtonStyle::Auto;
    grid.columnsChanged();
    ControlaBotoes(!editing && browsingNow());
}

void TfrmCliente::dtsObservStateChange() {
    if (destroying_ || Vqm41200::unit().boScroll || !interloc.grbInterloc)
        return;
    const DataSetState state = data_->sourceOf("cdsObserv")->State();
    lockOtherPages(sheet(Tab::Observ), state);
    // Only a new observation is typed in the grid; an edited one has its text changed, row fixed.
    const bool inserting = state == DataSetState::Insert;
    gui::DbGrid& grid = *interloc.dbgObserv;
    grid.SetEditing(inserting && changesAllowed());
    gui::GridColumn& op = grid.Column(grid.ColumnIndex("CDOPERADOR"));
    op.Button = inserting ? gui::GridColumn::ButtonStyle::Ellipsis : gui::GridColumn::ButtonStyle::Auto;
    grid.columnsChanged();
    interloc.panObserv->SetEnabled(state != DataSetState::Edit);
    ControlaBotoes(!editingState(state) && browsingNow());
}

} // namespace vq
