// The guard at Qt's entry points, and the scoped UI states that must end however a command ends.
#include "gui_test_support.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/guard.h"
#include "platform/gui/menus.h"
#include "platform/gui/ui_locks.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace vq::gui {
namespace {

using test::MessageRecorder;

TEST(Guard, QtEntryPointsEndAbortQuietlyAndShowOtherErrors) {
    MessageRecorder messages;
    FormBase form("TfrmGuarda");
    auto* button = new Button(&form);
    auto* item = new MenuItem(&form);
    int runs = 0;

    button->OnClick = [&] {
        ++runs;
        throw Abort();
    };
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(messages.shown.empty());

    button->OnClick = [] { throw Error("Cliente já cadastrado."); };
    QTest::mouseClick(button, Qt::LeftButton);
    item->OnClick = [] { throw std::runtime_error("falha de conexão"); };
    item->trigger();
    QTimer::singleShot(0, &form, [] { guarded("timer", [] { throw 42; }); });
    QTest::qWait(20);

    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text, "Cliente já cadastrado.");
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[1].text, "falha de conexão");
    EXPECT_EQ(messages.shown[2].text, "Erro inesperado.");
}

TEST(Guard, CodeCallsLetExceptionsThrough) {
    FormBase form("TfrmGuarda");
    auto* button = new Button(&form);
    button->OnClick = [] { throw Error("x"); };
    EXPECT_THROW(button->Click(), Error);
    EXPECT_FALSE(guarded("teste", [] { throw Abort(); }));
    EXPECT_TRUE(guarded("teste", [] {}));
}

TEST(Guard, AFailingDialogNeverEscapesTheGuard) {
    SeamOverride dialog(seams::message(),
                        [](const Message&) -> MessageButton { throw std::runtime_error("x"); });
    EXPECT_FALSE(guarded("teste", [] { throw Error("y"); }));
}

TEST(UiLocks, AreReleasedWhenTheCommandThrowsAndNest) {
    QWidget w;
    ASSERT_TRUE(w.updatesEnabled());
    try {
        WindowUpdateLock outer(w);
        { WindowUpdateLock inner(w); }
        EXPECT_FALSE(w.updatesEnabled()); // the inner lock keeps the outer one's state
        BusyCursor busy;
        BusyCursor again;
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
        throw Error("falha no meio do comando");
    } catch (const Error&) {
    }
    EXPECT_TRUE(w.updatesEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(UiLocks, SetChildEnabledReachesEveryControlInside) {
    GroupBox group;
    auto* inner = new Panel(&group);
    auto* button = new Button(inner);
    SetChildEnabled(group, false);
    EXPECT_TRUE(group.Enabled());
    EXPECT_FALSE(inner->Enabled());
    EXPECT_FALSE(button->Enabled());
    SetChildEnabled(group, true);
    EXPECT_TRUE(button->isEnabled());
}

} // namespace
} // namespace vq::gui
