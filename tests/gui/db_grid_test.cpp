// Data grid and navigator: following the dataset, moving it, refusing moves, editing in place, keys,
// owner drawing, and the navigator's buttons.
#include "db_test_support.h"
#include "gui_test_support.h"
#include "platform/data/error.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_grid.h"
#include "platform/gui/db_navigator.h"
#include "platform/gui/edit.h"
#include "platform/gui/key_input.h"

#include <QAction>
#include <QHeaderView>
#include <gtest/gtest.h>
#include <set>

namespace vq::gui {
namespace {

using test::MessageRecorder;

struct GridForm : FormBase {
    GridForm() : FormBase("TfrmGrade") {
        test::openCustomers(cds, 3);
        grid = new DbGrid(this);
        grid->setObjectName("dbgPadrao");
        gridOf(*this).addWidget(grid, 0, 0);
        grid->SetDataSource(&dts);
        other = new Edit(this);
        gridOf(*this).addWidget(other, 1, 0);
        resize(700, 400);
    }
    void clickCell(int row, int column) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, column)).center());
    }
    ClientDataSet cds{"cdsCliente"};
    DataSource dts{"dtsPadrao", &cds};
    DbGrid* grid;
    Edit* other;
};

TEST(DbGrid, FollowsTheDatasetAndMovesItWhenTheUserPicksARow) {
    GridForm f;
    ASSERT_TRUE(test::showActive(f));
    EXPECT_EQ(f.grid->Columns().size(), 6u); // every visible field when none are declared
    EXPECT_EQ(f.grid->model()->rowCount(), 3);
    EXPECT_EQ(f.grid->CellText(1, 1), "Cliente 2");
    EXPECT_EQ(f.grid->CellText(0, 2), "11.222.333/0001-81");
    f.cds.Next();
    EXPECT_EQ(f.grid->currentIndex().row(), 1);
    f.clickCell(2, 1);
    EXPECT_EQ(f.cds.RecNo(), 3);
    EXPECT_EQ(f.grid->SelectedField()->FieldName(), "NMCLIENTE");
    f.grid->SetSelectedField("VRLIMCREDCLI");
    EXPECT_EQ(f.grid->SelectedIndex(), 4);

    f.grid->horizontalHeader()->resizeSection(1, 250); // as the user dragging the divider
    f.cds.Insert();                                    // a new row: the rows are laid out again
    f.cds.Cancel();
    EXPECT_EQ(f.grid->columnWidth(1), 250);
    EXPECT_EQ(f.grid->model()->rowCount(), 3);
}

TEST(DbGrid, ColumnExitAndTheImplicitPostMayRefuseTheMove) {
    MessageRecorder messages;
    GridForm f;
    ASSERT_TRUE(test::showActive(f));
    std::vector<std::string> events;
    f.grid->OnColExit = [&] {
        events.push_back("exit " + f.grid->SelectedField()->FieldName());
        if (f.grid->SelectedIndex() == 0)
            throw Error("Código reduzido não cadastrado.");
    };
    f.grid->OnColEnter = [&] { events.push_back("enter " + f.grid->SelectedField()->FieldName()); };
    f.grid->SetFocus();
    QTest::keyClick(f.grid, Qt::Key_Right);
    EXPECT_EQ(f.grid->SelectedIndex(), 0);
    EXPECT_EQ(f.grid->currentIndex().column(), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_THROW(f.grid->MoveTo(0, 1), Error);

    f.grid->SetSelectedIndex(1);
    f.clickCell(0, 2);
    EXPECT_EQ(events.back(), "enter NRINSJURCLIE");

    f.cds.BeforePost = [](ClientDataSet&) { throw Error("Informe o nome."); };
    f.cds.Edit();
    f.cds.FieldByName("NMCLIENTE").SetAsString("Outro");
    f.clickCell(2, 2);
    EXPECT_EQ(f.cds.RecNo(), 1); // the post failed: the row stays, still being edited
    EXPECT_EQ(f.grid->currentIndex().row(), 0);
    EXPECT_EQ(f.cds.State(), DataSetState::Edit);
    EXPECT_EQ(messages.shown.back().text, "Informe o nome.");
}

TEST(DbGrid, TypingInACellEditsTheDatasetAndTheTextIsWrittenBeforePost) {
    GridForm f;
    ASSERT_TRUE(test::showActive(f));
    f.grid->SetSelectedIndex(1);
    f.grid->SetFocus();
    f.grid->OnKeyPress = [](char16_t& key) {
        if (key >= u'0' && key <= u'9')
            key = 0; // also inside the cell editor
    };
    QTest::keyClick(f.grid, Qt::Key_N);
    EXPECT_EQ(f.cds.State(), DataSetState::Edit);
    ASSERT_TRUE(f.grid->EditorMode());
    QTest::keyClicks(QApplication::focusWidget(), "o7vo");
    EXPECT_EQ(f.ActiveControl(), f.grid); // the editor belongs to the grid
    f.cds.Post();
    EXPECT_EQ(f.cds.FieldByName("NMCLIENTE").AsString(), "novo");

    f.grid->SetCellText(1, "NMCLIENTE", "Outro");
    EXPECT_EQ(f.cds.RecNo(), 2);
    EXPECT_EQ(f.cds.FieldByName("NMCLIENTE").AsString(), "Outro");
    f.cds.Post();
    GridColumn& code = f.grid->Column(0);
    code.ReadOnly = true;
    f.grid->columnsChanged();
    EXPECT_THROW(f.grid->SetCellText(1, "CDCLIENTE", "X"), Error);
    f.grid->SetReadOnly(true);
    EXPECT_THROW(f.grid->SetCellText(1, "NMCLIENTE", "X"), Error);
}

TEST(DbGrid, KeysInsertDeleteAppendAndCancelAsGridUsersExpect) {
    MessageRecorder messages(MessageButton::No);
    GridForm f;
    ASSERT_TRUE(test::showActive(f));
    f.grid->SetFocus();
    QTest::keyClick(f.grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f.cds.RecordCount(), 3); // answered No
    EXPECT_EQ(messages.shown.back().text, "Excluir registro?");
    messages.answer(MessageButton::Yes);
    QTest::keyClick(f.grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f.cds.RecordCount(), 2);

    QTest::keyClick(f.grid, Qt::Key_Insert);
    EXPECT_EQ(f.cds.State(), DataSetState::Insert);
    QTest::keyClick(f.grid, Qt::Key_Escape);
    EXPECT_EQ(f.cds.State(), DataSetState::Browse);
    f.cds.Last();
    QTest::keyClick(f.grid, Qt::Key_Down);
    EXPECT_EQ(f.cds.State(), DataSetState::Insert);
    EXPECT_EQ(f.grid->model()->rowCount(), 3);

    f.cds.Cancel();
    f.grid->OnKeyDown = [](int& key, Qt::KeyboardModifiers mods) {
        if (key == Qt::Key_Delete && (mods & Qt::ControlModifier))
            key = 0; // the form suppresses the grid's delete
    };
    QTest::keyClick(f.grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f.cds.RecordCount(), 2);
}

TEST(DbGrid, TypedTextReachesTheCellEditorOfAWindowThatIsNotActive) {
    GridForm f; // shown but never activated, as the forms of a script are
    f.show();
    f.grid->SetSelectedIndex(1);
    f.grid->SetFocus();
    typeText(*f.grid, "abc"); // the first key opens the editor, the rest go into it
    ASSERT_TRUE(f.grid->EditorMode());
    sendKey(*f.grid, *parseKeyName("Tab"));
    EXPECT_EQ(f.cds.FieldByName("NMCLIENTE").AsString(), "abc");
}

TEST(DbGrid, EscDropsTypedTextThenTheRowAndTakesTheKeyFromAWindowShortcut) {
    GridForm f;
    ASSERT_TRUE(test::showActive(f));
    int shortcuts = 0;
    QAction closeForm(&f); // a form's close button on Esc
    closeForm.setShortcut(QKeySequence(Qt::Key_Escape));
    f.addAction(&closeForm);
    QObject::connect(&closeForm, &QAction::triggered, [&] { ++shortcuts; });
    const auto esc = [&f] { sendKey(*f.grid, *parseKeyName("Esc")); };
    f.grid->SetFocus();
    esc(); // nothing to drop: the window's shortcut has it
    EXPECT_EQ(shortcuts, 1);

    sendKey(*f.grid, *parseKeyName("Insert"));
    typeText(*f.grid, "xy"); // opens the cell editor, then types into it
    ASSERT_TRUE(f.grid->EditorMode());
    esc();
    EXPECT_FALSE(f.grid->EditorMode());
    EXPECT_EQ(f.cds.State(), DataSetState::Insert) << "the first Esc only drops the typed text";
    esc();
    EXPECT_EQ(f.cds.State(), DataSetState::Browse);
    EXPECT_EQ(f.grid->model()->rowCount(), 3) << "the appended row is gone";

    // An editor opened and left untouched: one Esc drops the row.
    sendKey(*f.grid, *parseKeyName("Insert"));
    sendKey(*f.grid, *parseKeyName("F2"));
    ASSERT_TRUE(f.grid->EditorMode());
    esc();
    EXPECT_EQ(f.cds.State(), DataSetState::Browse);
    EXPECT_EQ(shortcuts, 1);
}

TEST(DbGrid, OwnerDrawingReadsTheRowBeingPaintedAndEllipsisReachesTheForm) {
    GridForm f;
    ASSERT_TRUE(test::showActive(f));
    std::set<std::string> painted;
    f.grid->OnDrawColumnCell = [&](QPainter&, const QRect&, int dataCol, GridColumn&, bool) {
        if (dataCol == 0)
            painted.insert(f.cds.FieldByName("CDCLIENTE").AsString());
    };
    f.grid->viewport()->repaint();
    EXPECT_EQ(painted, (std::set<std::string>{"C1", "C2", "C3"}));
    EXPECT_EQ(f.cds.FieldByName("CDCLIENTE").AsString(), "C1"); // reads go back to the current row

    int lookups = 0;
    f.grid->OnEditButtonClick = [&] { ++lookups; };
    GridColumn& code = f.grid->Column(0);
    code.Button = GridColumn::ButtonStyle::Ellipsis;
    code.ReadOnly = true; // a lookup column: the button works, typing does not
    f.grid->columnsChanged();
    f.grid->SetFocus();
    QTest::keyClick(f.grid, Qt::Key_F2);
    ASSERT_TRUE(f.grid->EditorMode());
    EXPECT_EQ(f.cds.State(), DataSetState::Browse);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(lookups, 1);
}

TEST(DbNavigator, ButtonsFollowTheDatasetAndActThroughIt) {
    MessageRecorder messages(MessageButton::No);
    ClientDataSet cds("cdsCliente");
    test::openCustomers(cds, 2);
    DataSource dts("dtsPadrao", &cds);
    FormBase f("TfrmNav");
    auto* nav = new DbNavigator(&f);
    nav->SetDataSource(&dts);
    EXPECT_FALSE(nav->ButtonEnabled(NavButton::Prior));
    EXPECT_TRUE(nav->ButtonEnabled(NavButton::Next));
    EXPECT_TRUE(nav->ButtonEnabled(NavButton::Edit));
    EXPECT_FALSE(nav->ButtonEnabled(NavButton::Post));
    EXPECT_FALSE(nav->button(NavButton::Post).isEnabled());

    std::vector<NavButton> clicked;
    nav->OnNavClick = [&](NavButton b) { clicked.push_back(b); };
    nav->button(NavButton::Last).click();
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_FALSE(nav->ButtonEnabled(NavButton::Next));
    nav->BtnClick(NavButton::Edit);
    EXPECT_TRUE(nav->button(NavButton::Post).isEnabled());
    EXPECT_FALSE(nav->button(NavButton::Edit).isEnabled());
    nav->BtnClick(NavButton::Cancel);
    nav->BtnClick(NavButton::Delete); // answered No
    EXPECT_EQ(cds.RecordCount(), 2);
    nav->BeforeAction = [](NavButton) { throw Abort(); };
    nav->button(NavButton::First).click();
    EXPECT_EQ(cds.RecNo(), 2); // stopped quietly, and OnNavClick did not run
    EXPECT_EQ(clicked.size(), 4u);
    EXPECT_EQ(messages.shown.size(), 1u);
}

} // namespace
} // namespace vq::gui
