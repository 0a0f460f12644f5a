#include "platform/gui/seams.h"

#include <QMessageBox>
#include <QString>
#include <array>
#include <utility>

namespace vq::gui {
namespace {

struct ButtonMap {
    MessageButton ours;
    QMessageBox::StandardButton qt;
};
constexpr std::array<ButtonMap, 7> kButtons{{{MessageButton::Ok, QMessageBox::Ok},
                                             {MessageButton::Cancel, QMessageBox::Cancel},
                                             {MessageButton::Yes, QMessageBox::Yes},
                                             {MessageButton::No, QMessageBox::No},
                                             {MessageButton::Abort, QMessageBox::Abort},
                                             {MessageButton::Retry, QMessageBox::Retry},
                                             {MessageButton::Ignore, QMessageBox::Ignore}}};

struct KindLook {
    QMessageBox::Icon icon;
    const char* title;
};
KindLook look(MessageKind kind) {
    switch (kind) {
    case MessageKind::Info:
        return {QMessageBox::Information, "Informação"};
    case MessageKind::Warning:
        return {QMessageBox::Warning, "Aviso"};
    case MessageKind::Error:
        return {QMessageBox::Critical, "Erro"};
    case MessageKind::Confirmation:
        return {QMessageBox::Question, "Confirmação"};
    }
    return {QMessageBox::NoIcon, ""};
}

} // namespace

namespace seams {

MessageButton defaultMessage(const Message& message) {
    const KindLook l = look(message.kind);
    QMessageBox box(l.icon, QString::fromUtf8(l.title), QString::fromStdString(message.text));
    QMessageBox::StandardButtons qtButtons;
    for (const auto& b : kButtons)
        if (hasButton(message.buttons, b.ours))
            qtButtons |= b.qt;
    box.setStandardButtons(qtButtons ? qtButtons : QMessageBox::StandardButtons(QMessageBox::Ok));
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& b : kButtons)
        if (b.qt == answer)
            return b.ours;
    return MessageButton::None;
}

Seam<MessageButton(const Message&)>& message() {
    static Seam<MessageButton(const Message&)> seam(defaultMessage);
    return seam;
}
Seam<RowChoice(const ChoiceRequest&)>& lookup() {
    static Seam<RowChoice(const ChoiceRequest&)> seam(defaultLookup);
    return seam;
}
Seam<RowsChoice(const ChoiceRequest&)>& listPicker() {
    static Seam<RowsChoice(const ChoiceRequest&)> seam(defaultListPicker);
    return seam;
}
Seam<RowChoice(const ChoiceRequest&)>& search() {
    static Seam<RowChoice(const ChoiceRequest&)> seam(defaultSearch);
    return seam;
}
Seam<int(FormBase&)>& showModal() {
    static Seam<int(FormBase&)> seam(defaultShowModal);
    return seam;
}
Seam<void(FormBase&)>& showForm() {
    static Seam<void(FormBase&)> seam(defaultShowForm);
    return seam;
}

} // namespace seams

MessageButton showMessage(MessageKind kind, std::string_view text, MessageButtons buttons) {
    return seams::message()(Message{kind, std::string(text), buttons});
}

bool confirm(std::string_view text) {
    return showMessage(MessageKind::Confirmation, text, MessageButton::Yes | MessageButton::No) ==
           MessageButton::Yes;
}

} // namespace vq::gui
