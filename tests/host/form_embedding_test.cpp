// Module forms inside the main window: a sub-window each, following its form, owned by the module.

#include "host/main_window.h"
#include "platform/gui/form_base.h"
#include "platform/gui/form_registry.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <gtest/gtest.h>
#include <memory>

namespace vq::host {
namespace {

struct Embedding : ::testing::Test {
    Embedding() : window(std::make_unique<MainWindow>(nullptr, nullptr)) {
        area = window->findChild<QMdiArea*>(QStringLiteral("mdiPrincipal"));
        window->show();
    }
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QMdiSubWindow* frameOf(gui::FormBase& form) const {
        for (QMdiSubWindow* sub : area->subWindowList())
            if (sub->widget() == &form)
                return sub;
        return nullptr;
    }

    std::unique_ptr<MainWindow> window;
    QMdiArea* area = nullptr;
};

TEST_F(Embedding, FormsShowInsideTheWindowAndFollowActivation) {
    ASSERT_NE(area, nullptr);
    gui::FormBase first("TfrmPrimeiro"), second("TfrmSegundo");
    first.SetCaption("Cliente");
    int shown = 0;
    first.OnShow = [&] { ++shown; };

    window->showForm(first);
    QMdiSubWindow* frame = frameOf(first);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Cliente"));
    EXPECT_EQ(gui::forms::active(), &first);
    EXPECT_EQ(shown, 1);

    window->showForm(second);
    EXPECT_EQ(gui::forms::active(), &second);
    area->setActiveSubWindow(frame); // the user clicks the first one
    EXPECT_EQ(gui::forms::active(), &first);

    // Closing hides the form (its default action) and its frame; showing it again reuses the frame.
    first.Close();
    EXPECT_FALSE(frame->isVisible());
    window->showForm(first);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(area->subWindowList().size(), 2);
    EXPECT_EQ(shown, 2);
}

TEST_F(Embedding, TheFrameAsksTheFormAndGoesWithIt) {
    auto* form = new gui::FormBase("TfrmCliente"); // owned by this test, as the module owns its forms
    bool allow = false;
    form->OnCloseQuery = [&](bool& canClose) { canClose = allow; };
    window->showForm(*form);
    QPointer<QMdiSubWindow> frame = frameOf(*form);
    ASSERT_TRUE(frame);

    frame->close(); // the frame's close button: the form refuses
    EXPECT_TRUE(frame->isVisible());
    allow = true;
    frame->close();
    EXPECT_FALSE(frame->isVisible());

    delete form; // the module frees its form: the empty frame goes too
    settle();
    EXPECT_FALSE(frame);
    EXPECT_TRUE(area->subWindowList().isEmpty());
}

TEST_F(Embedding, ClosingTheWindowHandsFormsBackToTheirOwner) {
    auto form = std::make_unique<gui::FormBase>("TfrmCliente");
    window->showForm(*form);
    window.reset();
    settle();
    EXPECT_EQ(form->parentWidget(), nullptr);
    EXPECT_TRUE(form->isHidden());
    form.reset(); // freed once, by its owner
}

} // namespace
} // namespace vq::host
