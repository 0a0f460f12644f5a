#pragma once
// Label and the plain containers (group box, panel). Containers lay their children out in a grid and
// are Controls themselves, so their OnEnter/OnExit run when the focus enters or leaves them.

#include "platform/gui/control.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <string>
#include <string_view>

namespace vq::gui {

class Label : public ControlOf<QLabel> {
public:
    explicit Label(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(std::string_view caption);

protected:
    QPalette::ColorRole colorRole() const override { return QPalette::Window; }
};

// The grid every container lays its children out in, created on first use.
QGridLayout& gridOf(QWidget& container);

class GroupBox : public ControlOf<QGroupBox> {
public:
    explicit GroupBox(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(std::string_view caption);
    QGridLayout& grid() { return gridOf(*this); }

protected:
    QPalette::ColorRole colorRole() const override { return QPalette::Window; }
};

class Panel : public ControlOf<QFrame> {
public:
    explicit Panel(QWidget* parent = nullptr);
    std::string Caption() const { return caption_; }
    void SetCaption(std::string_view caption) { caption_ = caption; }
    QGridLayout& grid() { return gridOf(*this); }

protected:
    QPalette::ColorRole colorRole() const override { return QPalette::Window; }

private:
    std::string caption_;
};

} // namespace vq::gui
