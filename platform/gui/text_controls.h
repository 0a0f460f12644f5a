#pragma once
// Multi-line text (plain and rich) and the spin edit. SetText/SetValue fire OnChange directly
// (exceptions reach the caller); the user's typing fires it inside the guard.

#include "platform/gui/control.h"

#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <string>
#include <string_view>

namespace vq::gui {

class Memo : public ControlOf<QPlainTextEdit> {
public:
    explicit Memo(QWidget* parent = nullptr);
    NotifyEvent OnChange;
    int MaxLength = 0; // characters; 0 for no limit

    std::string Text() const;
    void SetText(std::string_view text);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool on) { setReadOnly(on); }

protected:
    void handleKey(QKeyEvent* e) override;
    void showText(const QString& text);
    virtual void userChanged();
};

class RichMemo : public ControlOf<QTextEdit> {
public:
    explicit RichMemo(QWidget* parent = nullptr);
    NotifyEvent OnChange;

    std::string Text() const; // plain text
    void SetText(std::string_view text);
    std::string RichText() const; // HTML
    void SetRichText(std::string_view html);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool on) { setReadOnly(on); }

protected:
    void showText(const QString& text, bool rich = false);
    virtual void userChanged();
};

class SpinEdit : public ControlOf<QSpinBox> {
public:
    explicit SpinEdit(QWidget* parent = nullptr);
    NotifyEvent OnChange;

    int Value() const { return value(); }
    void SetValue(int v);
    int MinValue() const { return minimum(); }
    int MaxValue() const { return maximum(); }
    void SetRange(int min, int max) { setRange(min, max); }
};

} // namespace vq::gui
