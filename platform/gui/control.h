#pragma once
// What every component shares, mixed into each Qt widget subclass: its name, Delphi-style event slots,
// Enabled/Visible as the control's own flags (also before the form is shown), colour, hint, tag, and
// focus through its form's focus manager.
//
// Event slots are plain std::function members the form assigns (`dbeX->OnExit = [this] { dbeXExit(); };`).
// When Qt calls them (user action) they run inside the guard; when code calls a method that fires them
// (SetFocus, Click...) their exceptions reach that code.

#include "platform/gui/colors.h"
#include "platform/gui/guard.h"

#include <QColor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace vq::gui {

class FormBase;

using NotifyEvent = std::function<void()>;
using KeyPressEvent = std::function<void(char16_t& key)>;                    // set 0 to drop the key
using KeyEvent = std::function<void(int& key, Qt::KeyboardModifiers shift)>; // Qt::Key; 0 drops it

class Control {
public:
    explicit Control(QWidget& self);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    NotifyEvent OnEnter;
    NotifyEvent OnExit;
    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    KeyEvent OnKeyDown;
    KeyPressEvent OnKeyPress;
    int Tag = 0;

    QWidget& widget() { return self_; }
    const QWidget& widget() const { return self_; }
    std::string Name() const;

    bool Enabled() const; // the control's own flag; a disabled parent does not change it
    virtual void SetEnabled(bool on);
    virtual bool Visible() const; // the control's own flag
    virtual void SetVisible(bool on);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    std::string Hint() const;
    void SetHint(std::string_view hint);
    bool TabStop() const;
    void SetTabStop(bool on);

    FormBase* Form() const; // the nearest form among the ancestors
    bool CanFocus() const;  // enabled and visible up to the form
    bool Focused() const;   // the active control of its form
    void SetFocus();        // exit/enter handlers run now; their exceptions reach the caller
    // Focuses the next focusable control among this control's descendants (Delphi SelectNext).
    bool SelectNext(Control* current, bool forward = true, bool checkTabStop = true);

    // Runs OnKeyDown and OnKeyPress for a key press (inside the guard). Returns the event Qt should
    // process: `e` itself, a replacement held in `replacement`, or nullptr when the key was dropped.
    QKeyEvent* filterKey(QKeyEvent* e, std::unique_ptr<QKeyEvent>& replacement);

    // The character OnKeyPress sees for a key event (0 when it has none): its text, or 8, 9, 13, 27 for
    // Backspace, Tab, Enter and Esc.
    static char16_t keyChar(const QKeyEvent& e);
    // A key-press event that types `ch`.
    static std::unique_ptr<QKeyEvent> keyEventFor(char16_t ch, Qt::KeyboardModifiers modifiers);

    // Runs before the exit handlers when the focus leaves: data-aware controls write their pending text
    // to the field, masked edits check they are complete. Throwing keeps the focus here.
    virtual void beforeExit() {}

protected:
    virtual QPalette::ColorRole colorRole() const { return QPalette::Base; }
    void initColor(const QColor& color) { color_ = color; } // the default, without touching the palette

private:
    QWidget& self_;
    QColor color_ = colors::Normal;
};

// A Qt widget class with the Control mixin. Subclasses override handleKey() to act on keys that passed
// the key slots.
template <class QtBase> class ControlOf : public QtBase, public Control {
public:
    explicit ControlOf(QWidget* parent = nullptr) : QtBase(parent), Control(static_cast<QWidget&>(*this)) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        std::unique_ptr<QKeyEvent> replacement;
        QKeyEvent* pass = filterKey(e, replacement);
        if (!pass) {
            e->accept();
            return;
        }
        handleKey(pass);
        if (pass != e)
            e->setAccepted(pass->isAccepted());
    }
    virtual void handleKey(QKeyEvent* e) { QtBase::keyPressEvent(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        QtBase::mouseDoubleClickEvent(e);
        fire("OnDblClick", OnDblClick);
    }
};

// Looks a widget's Control up (nullptr for a plain Qt widget).
inline Control* asControl(QWidget* w) {
    return dynamic_cast<Control*>(w);
}

} // namespace vq::gui
