// Data-aware controls: following the dataset, putting it in edit when the user types, handing typed
// text back on exit and before a post, and storing choices.
#include "db_test_support.h"
#include "gui_test_support.h"
#include "platform/data/error.h"
#include "platform/gui/containers.h"
#include "platform/gui/db_controls.h"

#include <QRadioButton>
#include <gtest/gtest.h>

namespace vq::gui {
namespace {

using test::MessageRecorder;

struct CustomerForm : FormBase {
    CustomerForm() : FormBase("TfrmClienteTeste") {
        test::openCustomers(cds, 3);
        name = bind<DbEdit>("dbeNmCliente", "NMCLIENTE", 0);
        taxNumber = bind<DbEdit>("dbeNrInsJurClie", "NRINSJURCLIE", 1);
        limit = bind<DbEdit>("dbeVrLimCred", "VRLIMCREDCLI", 2);
        situation = new DbComboBox(this);
        situation->SetStyle(ComboStyle::DropDownList);
        situation->SetItems({"Ativo", "Inativo"});
        situation->Values = {"S", "N"};
        bindTo(situation, "IDCLIEATIV", 3);
        active = new DbCheckBox(this);
        bindTo(active, "IDCLIEATIV", 4);
        kind = new DbRadioGroup(this);
        kind->SetItems({"Privado", "Público"});
        kind->Values = {"V", "B"};
        bindTo(kind, "IDPRIPUBCLIE", 5);
    }
    template <class T> T* bind(const char* objectName, const char* field, int row) {
        auto* w = new T(this);
        w->setObjectName(objectName);
        bindTo(w, field, row);
        return w;
    }
    template <class T> void bindTo(T* w, const char* field, int row) {
        gridOf(*this).addWidget(w, row, 0);
        w->SetDataSource(&dts);
        w->SetDataField(field);
    }
    ClientDataSet cds{"cdsCliente"};
    DataSource dts{"dtsPadrao", &cds};
    DbEdit *name, *taxNumber, *limit;
    DbComboBox* situation;
    DbCheckBox* active;
    DbRadioGroup* kind;
};

TEST(DbEdit, FollowsTheCurrentRowAndTheDatasetState) {
    CustomerForm f;
    EXPECT_EQ(f.name->Text(), "Cliente 1");
    EXPECT_EQ(f.taxNumber->EditText(), "11.222.333/0001-81");
    EXPECT_EQ(f.taxNumber->Text(), "11222333000181");
    EXPECT_EQ(f.limit->Text(), "1.234,50"); // display format while not being edited
    int changes = 0;
    f.name->OnChange = [&] { ++changes; };
    f.cds.Next();
    EXPECT_EQ(f.name->Text(), "Cliente 2");
    EXPECT_EQ(changes, 1);
    f.cds.Close();
    EXPECT_EQ(f.name->Text(), "");
}

TEST(DbEdit, TypingIntoABrowsingDatasetPutsItInEditAndTheTextReachesTheFieldBeforePost) {
    CustomerForm f;
    ASSERT_TRUE(test::showActive(f));
    f.SetFocus(*f.name);
    f.name->end(false);
    QTest::keyClicks(f.name, " ME");
    EXPECT_EQ(f.cds.State(), DataSetState::Edit);
    EXPECT_EQ(f.cds.FieldByName("NMCLIENTE").AsString(), "Cliente 1"); // still pending in the control
    f.cds.Post();
    EXPECT_EQ(f.cds.FieldByName("NMCLIENTE").AsString(), "Cliente 1 ME");

    QTest::keyClicks(f.name, "X");
    f.SetFocus(*f.taxNumber); // leaving the edit writes its text
    EXPECT_EQ(f.cds.FieldByName("NMCLIENTE").AsString(), "Cliente 1 MEX");
    EXPECT_EQ(f.cds.State(), DataSetState::Edit);

    f.SetFocus(*f.name);
    QTest::keyClicks(f.name, "YZ");
    QTest::keyClick(f.name, Qt::Key_Escape); // Esc takes the field's value back
    EXPECT_EQ(f.name->Text(), "Cliente 1 MEX");
    f.cds.Post();
    EXPECT_EQ(f.cds.FieldByName("NMCLIENTE").AsString(), "Cliente 1 MEX");
}

TEST(DbEdit, AReadOnlyDatasetDropsTheKeys) {
    CustomerForm f;
    ASSERT_TRUE(test::showActive(f));
    f.cds.SetReadOnly(true);
    f.SetFocus(*f.name);
    QTest::keyClicks(f.name, "abc");
    EXPECT_EQ(f.name->Text(), "Cliente 1");
    EXPECT_EQ(f.cds.State(), DataSetState::Browse);
}

TEST(DbEdit, MaskedAndNumericFieldsTakeTypedTextTheirWay) {
    MessageRecorder messages;
    CustomerForm f;
    ASSERT_TRUE(test::showActive(f));
    f.cds.Append();
    f.SetFocus(*f.taxNumber);
    f.taxNumber->setCursorPosition(0);
    QTest::keyClicks(f.taxNumber, "1122233300");
    EXPECT_THROW(f.cds.Post(), Error); // incomplete: the post stops, the row stays in insert
    EXPECT_EQ(f.cds.State(), DataSetState::Insert);
    QTest::keyClicks(f.taxNumber, "0181");
    f.cds.FieldByName("CDCLIENTE").SetAsString("C9");
    f.cds.Post();
    EXPECT_EQ(f.cds.FieldByName("NRINSJURCLIE").AsString(), "11222333000181");

    f.SetFocus(*f.limit);
    EXPECT_EQ(f.limit->Text(), ""); // a new row: null
    f.limit->selectAll();
    QTest::keyClicks(f.limit, "12a3,5"); // a letter never reaches a numeric field
    f.SetFocus(*f.name);
    EXPECT_DOUBLE_EQ(f.cds.FieldByName("VRLIMCREDCLI").AsFloat(), 123.5);
    EXPECT_EQ(f.limit->Text(), "123,50");
    f.cds.Cancel();
    EXPECT_TRUE(messages.shown.empty());
}

TEST(DbChoices, StoreTheChoiceAtOnceAndFollowTheField) {
    CustomerForm f;
    EXPECT_EQ(f.situation->ItemIndex(), 0);
    EXPECT_TRUE(f.active->Checked());
    EXPECT_EQ(f.kind->ItemIndex(), 0);

    f.situation->Choose(1);
    EXPECT_EQ(f.cds.State(), DataSetState::Edit);
    EXPECT_EQ(f.cds.FieldByName("IDCLIEATIV").AsString(), "N");
    EXPECT_FALSE(f.active->Checked()); // the check box follows the same field
    f.cds.Cancel();
    EXPECT_EQ(f.situation->ItemIndex(), 0);

    int kindChanges = 0;
    f.kind->OnChange = [&] { ++kindChanges; };
    f.cds.Next(); // "B": the radio group's value changes with the row
    EXPECT_EQ(f.kind->ItemIndex(), 1);
    EXPECT_EQ(kindChanges, 1);
    ASSERT_TRUE(test::showActive(f));
    auto* first = f.kind->findChildren<QRadioButton*>()[0];
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(8, first->height() / 2)); // on the indicator
    EXPECT_EQ(f.cds.FieldByName("IDPRIPUBCLIE").AsString(), "V");
    EXPECT_EQ(kindChanges, 2);

    f.cds.Post(); // row 2 has "N"
    EXPECT_FALSE(f.active->Checked());
    f.active->Click();
    EXPECT_EQ(f.cds.FieldByName("IDCLIEATIV").AsString(), "S");
    f.cds.FieldByName("IDCLIEATIV").Clear();
    EXPECT_EQ(f.active->checkState(), Qt::PartiallyChecked);
    f.cds.Cancel();

    f.situation->ReadOnly = true;
    f.situation->Choose(0);
    EXPECT_EQ(f.situation->ItemIndex(), 1);
    f.situation->ReadOnly = false;
    f.cds.SetReadOnly(true);
    f.situation->Choose(0);
    EXPECT_EQ(f.cds.State(), DataSetState::Browse);
    EXPECT_EQ(f.situation->ItemIndex(), 1); // refused: back to the field's value
}

TEST(Colors, AreNamedConstantsTheControlReports) {
    CustomerForm f;
    EXPECT_EQ(f.name->Color(), colors::Normal);
    f.name->SetColor(colors::Required);
    EXPECT_EQ(f.name->Color(), colors::Required);
    EXPECT_EQ(colors::name(f.name->Color()), "required");
    EXPECT_EQ(colors::name(colors::Disabled), "disabled");
    EXPECT_EQ(colors::name(QColor(1, 2, 3)), "#010203");
}

} // namespace
} // namespace vq::gui
