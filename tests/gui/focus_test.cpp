// Focus: exit and enter handlers in order, failing exits on the code path and on the user's path,
// what can take the focus, tab order, and key slots.
#include "gui_test_support.h"
#include "platform/data/error.h"
#include "platform/gui/containers.h"
#include "platform/gui/edit.h"

#include <gtest/gtest.h>

namespace vq::gui {
namespace {

using test::MessageRecorder;

struct FocusForm : FormBase {
    FocusForm() : FormBase("TfrmFoco") {
        grb = add<GroupBox>(this, "grbA", 0);
        a = add<Edit>(grb, "edtA", 0);
        b = add<Edit>(grb, "edtB", 1);
        c = add<Edit>(this, "edtC", 1);
        d = add<Edit>(this, "edtD", 2);
        for (Control* ctl : std::initializer_list<Control*>{grb, a, b, c, d}) {
            const std::string n = ctl->Name();
            ctl->OnEnter = [this, n] { log.push_back("enter " + n); };
            ctl->OnExit = [this, n] { log.push_back("exit " + n); };
        }
    }
    template <class T> T* add(QWidget* parent, const char* name, int row) {
        auto* w = new T(parent);
        w->setObjectName(name);
        gridOf(*parent).addWidget(w, row, 0);
        return w;
    }
    GroupBox* grb;
    Edit *a, *b, *c, *d;
    std::vector<std::string> log;
};

TEST(Focus, CodeMovesRunExitsInnermostFirstAndEntersOutermostFirst) {
    FocusForm f;
    f.SetFocus(*f.a);
    f.SetFocus(*f.b); // same group: the group is neither left nor entered
    f.SetFocus(*f.c);
    const std::vector<std::string> expected{"enter grbA", "enter edtA", "exit edtA", "enter edtB",
                                            "exit edtB",  "exit grbA",  "enter edtC"};
    EXPECT_EQ(f.log, expected);
    EXPECT_EQ(f.ActiveControl(), f.c);
    EXPECT_TRUE(f.c->Focused());
}

TEST(Focus, FailingExitOnCodePathReachesTheCallerAndKeepsTheFocus) {
    FocusForm f;
    ASSERT_TRUE(test::showActive(f));
    f.SetFocus(*f.a);
    f.a->OnExit = [] { throw Error("Valor inválido."); };
    f.log.clear();
    EXPECT_THROW(f.SetFocus(*f.c), Error);
    EXPECT_EQ(f.ActiveControl(), f.a);
    EXPECT_EQ(QApplication::focusWidget(), f.a);
    EXPECT_TRUE(f.log.empty()); // neither the group's exit nor C's enter ran
}

TEST(Focus, UserMoveRunsTheSameHandlers) {
    FocusForm f;
    ASSERT_TRUE(test::showActive(f));
    f.SetFocus(*f.a);
    f.log.clear();
    QTest::mouseClick(f.c, Qt::LeftButton);
    EXPECT_EQ(f.ActiveControl(), f.c);
    const std::vector<std::string> expected{"exit edtA", "exit grbA", "enter edtC"};
    EXPECT_EQ(f.log, expected);
    QTest::keyClick(f.c, Qt::Key_Tab); // Tab goes through Qt, and the form still runs the handlers
    EXPECT_EQ(f.ActiveControl(), f.d);
    EXPECT_EQ(f.log.back(), "enter edtD");
}

TEST(Focus, FailingExitOnUserPathShowsTheErrorAndPutsTheFocusBack) {
    MessageRecorder messages;
    FocusForm f;
    ASSERT_TRUE(test::showActive(f));
    f.SetFocus(*f.a);
    f.a->OnExit = [] { throw Error("CPF inválido."); };
    f.log.clear();
    QTest::mouseClick(f.c, Qt::LeftButton);
    EXPECT_EQ(f.ActiveControl(), f.a);
    EXPECT_EQ(QApplication::focusWidget(), f.a);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text, "CPF inválido.");
    EXPECT_TRUE(f.log.empty());

    f.a->OnExit = [] { throw Abort(); }; // the silent abort keeps the focus without a word
    QTest::mouseClick(f.c, Qt::LeftButton);
    EXPECT_EQ(f.ActiveControl(), f.a);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(Focus, OnlyEnabledControlsVisibleUpToTheFormTakeTheFocus) {
    FocusForm f; // never shown: visibility is judged up to the form
    EXPECT_TRUE(f.a->CanFocus());
    f.d->SetEnabled(false);
    EXPECT_FALSE(f.d->CanFocus());
    EXPECT_THROW(f.d->SetFocus(), Error);
    f.grb->SetEnabled(false);
    EXPECT_TRUE(f.a->Enabled());   // its own flag is untouched...
    EXPECT_FALSE(f.a->CanFocus()); // ...but a disabled container keeps the focus out
    f.grb->SetEnabled(true);
    f.grb->SetVisible(false);
    EXPECT_TRUE(f.a->Visible());
    EXPECT_FALSE(f.a->CanFocus());
    EXPECT_THROW(f.SetFocus(*f.a), Error);
    EXPECT_EQ(f.ActiveControl(), nullptr);
}

TEST(Focus, SelectNextFollowsTabOrderSkipsWhatCannotFocusAndWraps) {
    FocusForm f;
    f.d->SetEnabled(false);
    f.SetFocus(*f.c);
    EXPECT_TRUE(f.SelectNext(f.c));
    EXPECT_EQ(f.ActiveControl(), f.a); // d skipped, wrapped to the start
    EXPECT_TRUE(f.SelectNext(f.a, false));
    EXPECT_EQ(f.ActiveControl(), f.c);
    f.SetFocus(*f.b);
    EXPECT_TRUE(f.grb->SelectNext(f.b)); // within the group only
    EXPECT_EQ(f.ActiveControl(), f.a);
    f.b->SetTabStop(false);
    EXPECT_TRUE(f.SelectNext(f.a));
    EXPECT_EQ(f.ActiveControl(), f.c);
}

TEST(Focus, ExitHandlerThatPlacesTheFocusEndsTheMoveThere) {
    FocusForm f;
    f.SetFocus(*f.a);
    int exits = 0;
    f.a->OnExit = [&] {
        ++exits;
        f.b->SetFocus(); // e.g. a check that sends the user to another field
    };
    f.log.clear();
    f.SetFocus(*f.c);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(f.ActiveControl(), f.b);
    EXPECT_EQ(f.log, std::vector<std::string>{"enter edtB"});
}

TEST(Focus, KeySlotsChangeOrDropKeysBeforeTheControlSeesThem) {
    FocusForm f;
    ASSERT_TRUE(test::showActive(f));
    f.SetFocus(*f.a);
    f.a->OnKeyPress = [](char16_t& key) {
        if (key >= u'0' && key <= u'9')
            key = 0;
        else if (key >= u'a' && key <= u'z')
            key = static_cast<char16_t>(key - u'a' + u'A');
    };
    int downs = 0;
    f.a->OnKeyDown = [&](int& key, Qt::KeyboardModifiers) {
        ++downs;
        if (key == Qt::Key_X)
            key = 0;
    };
    QTest::keyClicks(f.a, "ab1x2c");
    EXPECT_EQ(f.a->Text(), "ABC");
    EXPECT_EQ(downs, 6);
    f.KeyPreview = true; // the form sees the keys first
    f.OnKeyPress = [](char16_t& key) {
        if (key == u'q')
            key = 0;
    };
    QTest::keyClicks(f.a, "qd");
    EXPECT_EQ(f.a->Text(), "ABCD");
}

} // namespace
} // namespace vq::gui
