// Plain controls: masked typing, page changes that may be refused, menus and tool buttons, choices.
#include "gui_test_support.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/choices.h"
#include "platform/gui/containers.h"
#include "platform/gui/edit.h"
#include "platform/gui/key_input.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"

#include <QRadioButton>
#include <gtest/gtest.h>

namespace vq::gui {
namespace {

using test::MessageRecorder;

struct EditForm : FormBase {
    EditForm() : FormBase("TfrmEdits") {
        edit = new Edit(this);
        other = new Edit(this);
        gridOf(*this).addWidget(edit, 0, 0);
        gridOf(*this).addWidget(other, 1, 0);
    }
    Edit* edit;
    Edit* other;
};

TEST(MaskedEdit, TypedCharactersFillTheNextPositionThatTakesThem) {
    EditForm f;
    ASSERT_TRUE(test::showActive(f));
    f.edit->SetEditMask("000.000.000-00;0;_");
    f.SetFocus(*f.edit);
    int changes = 0;
    f.edit->OnChange = [&] { ++changes; };
    f.edit->setCursorPosition(0);
    QTest::keyClicks(f.edit, "123a45678901"); // the letter is refused
    EXPECT_EQ(f.edit->EditText(), "123.456.789-01");
    EXPECT_EQ(f.edit->Text(), "12345678901");
    EXPECT_EQ(changes, 11);
    QTest::keyClick(f.edit, Qt::Key_Backspace);
    EXPECT_EQ(f.edit->EditText(), "123.456.789-0_");
    EXPECT_EQ(f.edit->Text(), "1234567890");
    EXPECT_THROW(f.SetFocus(*f.other), Error); // incomplete: the focus stays
    EXPECT_EQ(f.ActiveControl(), f.edit);
    QTest::keyClick(f.edit, Qt::Key_1);
    f.SetFocus(*f.other);

    f.edit->SetEditMask(">LL-000;1;_"); // literals stored, letters upper-cased
    f.edit->SetText("");
    f.SetFocus(*f.edit);
    f.edit->setCursorPosition(0);
    QTest::keyClicks(f.edit, "ab123");
    EXPECT_EQ(f.edit->Text(), "AB-123");
}

TEST(KeyInput, NamedKeysAndTypedTextGoThroughTheKeySlots) {
    EXPECT_EQ(parseKeyName("Enter")->key, Qt::Key_Return);
    const auto ctrlDelete = parseKeyName("Ctrl+Delete");
    ASSERT_TRUE(ctrlDelete);
    EXPECT_EQ(ctrlDelete->key, Qt::Key_Delete);
    EXPECT_EQ(ctrlDelete->modifiers, Qt::ControlModifier);
    EXPECT_EQ(parseKeyName("F9")->key, Qt::Key_F9);
    EXPECT_EQ(parseKeyName("Space")->key, Qt::Key_Space);
    EXPECT_EQ(parseKeyName("Esc")->key, Qt::Key_Escape);
    EXPECT_FALSE(parseKeyName("Tecla"));

    EditForm f;
    ASSERT_TRUE(test::showActive(f));
    f.edit->SetEditMask(">LL-000;1;_");
    f.edit->OnKeyPress = [](char16_t& key) {
        if (key == u'x')
            key = 0;
    };
    f.SetFocus(*f.edit);
    f.edit->setCursorPosition(0);
    typeText(*f.edit, "axb12x3");
    EXPECT_EQ(f.edit->Text(), "AB-123");
    sendKey(*f.edit, *parseKeyName("Backspace"));
    EXPECT_EQ(f.edit->Text(), "AB-12");
    typeText(*f.edit, "4");
    sendKey(*f.edit, *parseKeyName("Tab"));
    EXPECT_EQ(f.ActiveControl(), f.other);
}

TEST(KeyInput, TabInAWindowThatIsNotActiveRunsTheExitAndMovesTheFormsFocus) {
    EditForm f; // shown but never activated, as the forms of a script are: Qt sends no focus events
    f.show();
    int exits = 0, enters = 0;
    f.edit->OnExit = [&] { ++exits; };
    f.other->OnEnter = [&] { ++enters; };
    f.SetFocus(*f.edit);
    sendKey(*f.edit, *parseKeyName("Tab"));
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(f.ActiveControl(), f.other);

    // A refusing exit keeps the focus where it was.
    f.SetFocus(*f.edit);
    f.edit->OnExit = [] { throw Error("Campo obrigatório."); };
    test::MessageRecorder shown;
    sendKey(*f.edit, *parseKeyName("Tab"));
    EXPECT_EQ(f.ActiveControl(), f.edit);
}

TEST(MaskedEdit, SetTextFormatsTheStoredValueAndFiresOnChangeDirectly) {
    EditForm f;
    f.edit->SetEditMask("99.999-999;0;_");
    int changes = 0;
    f.edit->OnChange = [&] { ++changes; };
    f.edit->SetText("01310100");
    EXPECT_EQ(f.edit->EditText(), "01.310-100");
    EXPECT_EQ(changes, 1);
    f.edit->SetText("01310100");
    EXPECT_EQ(changes, 1); // unchanged text: no event
    f.edit->OnChange = [] { throw Error("x"); };
    EXPECT_THROW(f.edit->SetText("1"), Error);
}

TEST(DateAndNumberEdits, ReadWhatWasTypedThePtBrWay) {
    FormBase f("TfrmDatas");
    auto* date = new DateEdit(&f);
    auto* number = new NumberEdit(&f);
    ASSERT_TRUE(test::showActive(f));
    date->setFocus();
    date->setCursorPosition(0);
    QTest::keyClicks(date, "31022026");
    EXPECT_EQ(date->Text(), "31/02/2026");
    EXPECT_THROW(date->beforeExit(), Error);
    date->SetDate(makeDateTime({2026, 12, 7}));
    EXPECT_EQ(date->Text(), "07/12/2026");
    EXPECT_EQ(date->Date(), makeDateTime({2026, 12, 7}));
    date->SetText("");
    EXPECT_EQ(date->Date(), DateTime{});

    number->setFocus();
    QTest::keyClicks(number, "-12a,5,3");
    EXPECT_EQ(number->Text(), "-12,53");
    EXPECT_DOUBLE_EQ(number->Value(), -12.53);
    number->SetValue(1234.5);
    EXPECT_EQ(number->Text(), "1234,50");
}

struct PagesForm : FormBase {
    PagesForm() : FormBase("TfrmPaginas") {
        pgc = new PageControl(this);
        gridOf(*this).addWidget(pgc, 0, 0);
        for (const char* name : {"tshA", "tshB", "tshC"}) {
            TabSheet& page = pgc->AddPage(name, std::string("Página ") + name);
            auto* e = new Edit(&page);
            page.grid().addWidget(e, 0, 0);
            edits.push_back(e);
        }
    }
    void clickTab(int index) {
        QTest::mouseClick(&pgc->tabBar(), Qt::LeftButton, {}, pgc->tabBar().tabRect(index).center());
    }
    PageControl* pgc;
    std::vector<Edit*> edits;
};

TEST(PageControl, ChangingMayRefuseAndChangeRunsOnlyAfterASwitch) {
    MessageRecorder messages;
    PagesForm f;
    ASSERT_TRUE(test::showActive(f));
    bool allow = false;
    int changes = 0;
    f.pgc->OnChanging = [&](bool& ok) { ok = allow; };
    f.pgc->OnChange = [&] { ++changes; };

    f.clickTab(1);
    EXPECT_EQ(f.pgc->ActivePageIndex(), 0);
    f.pgc->OnChanging = [](bool&) { throw Error("Informe o país."); };
    f.clickTab(1);
    EXPECT_EQ(f.pgc->ActivePageIndex(), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Informe o país.");
    EXPECT_THROW(f.pgc->SelectPage(*f.pgc->Pages(1)), Error); // the driver's way: the caller gets it
    EXPECT_EQ(changes, 0);

    f.pgc->OnChanging = [&](bool& ok) { ok = true; };
    f.clickTab(2);
    EXPECT_EQ(f.pgc->ActivePage()->Name(), "tshC");
    EXPECT_EQ(changes, 1);
    f.pgc->SetActivePage(f.pgc->Pages(0)); // code switch: no events
    EXPECT_EQ(f.pgc->ActivePageIndex(), 0);
    EXPECT_EQ(changes, 1);
}

TEST(PageControl, LeavingAPageFirstRunsTheFocusedControlsExit) {
    MessageRecorder messages;
    PagesForm f;
    ASSERT_TRUE(test::showActive(f));
    f.SetFocus(*f.edits[0]);
    f.edits[0]->OnExit = [] { throw Error("Município não cadastrado."); };
    EXPECT_THROW(f.pgc->SetActivePage(f.pgc->Pages(1)), Error);
    EXPECT_EQ(f.pgc->ActivePageIndex(), 0);
    f.clickTab(1);
    EXPECT_EQ(f.pgc->ActivePageIndex(), 0);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(f.edits[1]->CanFocus()); // on a page that is not shown

    f.edits[0]->OnExit = nullptr;
    f.clickTab(1);
    EXPECT_EQ(f.pgc->ActivePageIndex(), 1);
    EXPECT_EQ(f.ActiveControl(), f.pgc);
    EXPECT_TRUE(f.edits[1]->CanFocus());
}

TEST(PageControl, HiddenAndDisabledTabsCannotBeChosen) {
    PagesForm f;
    ASSERT_TRUE(test::showActive(f));
    TabSheet* b = f.pgc->Pages(1);
    b->SetEnabled(false);
    f.clickTab(1);
    EXPECT_EQ(f.pgc->ActivePageIndex(), 0);
    EXPECT_FALSE(f.edits[1]->CanFocus());
    b->SetEnabled(true);
    b->SetVisible(false);
    EXPECT_FALSE(b->TabVisible());
    EXPECT_FALSE(b->Visible());
    EXPECT_TRUE(f.pgc->Pages(2)->Visible()); // not the current page, still a visible tab
    f.pgc->SetActivePage(f.pgc->Pages(2));
    f.pgc->Pages(2)->SetTabVisible(false); // the active page's tab hidden: another page shows
    EXPECT_EQ(f.pgc->ActivePageIndex(), 0);
    EXPECT_EQ(f.pgc->FindPage("Página tshA"), f.pgc->Pages(0));
}

TEST(Menus, ToolButtonsFollowTheirItemsAndClicksLeaveTheCheckMarkToTheHandler) {
    FormBase f("TfrmMenus");
    auto* bar = new MainMenu(&f);
    auto* group = new MenuItem(bar);
    group->SetCaption("&Cadastro");
    bar->Add(*group);
    auto* copy = new MenuItem(group);
    copy->SetCaption("Copiar &Endereço");
    copy->SetShortCut("Ctrl+E");
    group->Add(*copy);
    auto* button = new ToolButton(&f);
    button->FollowEnabled(*copy);

    EXPECT_EQ(group->Items(), std::vector<MenuItem*>{copy});
    EXPECT_EQ(copy->ShortCut(), "Ctrl+E");
    copy->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    copy->SetEnabled(true);
    EXPECT_TRUE(button->Enabled());

    int clicks = 0;
    copy->OnClick = [&] { ++clicks; };
    copy->SetChecked(false);
    copy->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(copy->Checked());
    EXPECT_FALSE(copy->isChecked());
}

TEST(Choices, CodeAndUserChangesFireTheirEvents) {
    FormBase f("TfrmEscolhas");
    auto* combo = new ComboBox(&f);
    combo->SetStyle(ComboStyle::DropDownList);
    combo->SetItems({"Ativo", "Inativo"});
    combo->Values = {"S", "N"};
    int comboChanges = 0;
    combo->OnChange = [&] { ++comboChanges; };
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Value(), "N");
    EXPECT_EQ(comboChanges, 0);
    combo->Choose(0);
    EXPECT_EQ(combo->Text(), "Ativo");
    EXPECT_EQ(comboChanges, 1);
    combo->SetValue("X");
    EXPECT_EQ(combo->ItemIndex(), -1);

    auto* radio = new RadioGroup(&f);
    radio->SetItems({"Privado", "Público"});
    radio->Values = {"V", "B"};
    std::vector<std::string> events;
    radio->OnClick = [&] { events.push_back("click"); };
    radio->OnChange = [&] { events.push_back("change " + radio->Value()); };
    radio->SetItemIndex(1);
    ASSERT_TRUE(test::showActive(f));
    QRadioButton* first = radio->findChildren<QRadioButton*>()[0];
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(8, first->height() / 2));
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(8, first->height() / 2)); // already chosen
    EXPECT_EQ(events, (std::vector<std::string>{"click", "change B", "click", "change V"}));

    auto* check = new CheckBox(&f);
    int checkClicks = 0;
    check->OnClick = [&] { ++checkClicks; };
    check->SetChecked(true);
    check->SetChecked(true);
    check->show();
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(checkClicks, 2);
}

} // namespace
} // namespace vq::gui
