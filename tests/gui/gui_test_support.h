#pragma once
// Shared by the GUI tests: the QApplication (offscreen), a recorder standing in for the message seam,
// and a form that is shown and active so the user's focus moves reach the focus manager.

#include "platform/gui/form_base.h"
#include "platform/gui/seams.h"

#include <QApplication>
#include <QTest>
#include <string>
#include <vector>

namespace vq::gui::test {

// Answers every message with `answer` and keeps what was shown.
class MessageRecorder {
public:
    explicit MessageRecorder(MessageButton answer = MessageButton::Ok)
        : override_(seams::message(),
                    [this](const Message& m) {
                        shown.push_back(m);
                        return answer_;
                    }),
          answer_(answer) {}
    void answer(MessageButton b) { answer_ = b; }
    std::vector<Message> shown;

private:
    SeamOverride<Seam<MessageButton(const Message&)>> override_;
    MessageButton answer_;
};

// Shows the form and makes its window the active one (focus changes need an active window).
inline bool showActive(QWidget& form) {
    form.show();
    QApplication::setActiveWindow(&form);
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

} // namespace vq::gui::test
