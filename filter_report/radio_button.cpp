#include "filter_report/radio_button.h"

#include "platform/gui/containers.h"
#include "platform/gui/guard.h"
#include "platform/gui/qt_text.h"

#include <QGridLayout>

namespace vq::filter {

RadioButton::RadioButton(QWidget* parent) : ControlOf<QRadioButton>(parent) {
    QObject::connect(this, &QAbstractButton::clicked, this, [this] { gui::fire("OnClick", OnClick); });
}

std::string RadioButton::Caption() const {
    return gui::ss(text());
}
void RadioButton::SetCaption(std::string_view caption) {
    setText(gui::qs(caption));
}

void RadioButton::SetChecked(bool on) {
    if (on == isChecked())
        return;
    setChecked(on);
    if (on && OnClick)
        OnClick();
}

RadioButton& addRadioButton(QWidget& container, std::string_view name, std::string_view caption, int row,
                            int col) {
    auto* button = new RadioButton(&container);
    button->setObjectName(gui::qs(name));
    button->SetCaption(caption);
    gui::gridOf(container).addWidget(button, row, col);
    return *button;
}

} // namespace vq::filter
