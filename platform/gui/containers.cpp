#include "platform/gui/containers.h"

#include "platform/gui/qt_text.h"

namespace vq::gui {

Label::Label(QWidget* parent) : ControlOf<QLabel>(parent) {
    initColor(colors::Disabled);
}
std::string Label::Caption() const {
    return ss(text());
}
void Label::SetCaption(std::string_view caption) {
    setText(qs(caption));
}

QGridLayout& gridOf(QWidget& container) {
    if (auto* grid = qobject_cast<QGridLayout*>(container.layout()))
        return *grid;
    auto* grid = new QGridLayout(&container);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(4);
    return *grid;
}

GroupBox::GroupBox(QWidget* parent) : ControlOf<QGroupBox>(parent) {
    initColor(colors::Disabled);
    setFocusPolicy(Qt::NoFocus);
}
std::string GroupBox::Caption() const {
    return ss(title());
}
void GroupBox::SetCaption(std::string_view caption) {
    setTitle(qs(caption));
}

Panel::Panel(QWidget* parent) : ControlOf<QFrame>(parent) {
    initColor(colors::Disabled);
    setFocusPolicy(Qt::NoFocus);
}

} // namespace vq::gui
