#pragma once
// Single-line edit, with an optional edit mask "pattern;save-literals;blank" (then it is the masked
// edit). Under a mask the text is always shown whole, empty positions as the blank character, and a typed
// character lands on the next position that accepts it; Backspace and Delete blank positions.
// Positions count UTF-16 units, which equal code points for the Portuguese texts forms handle.
//
// Text() is the stored form (the mask applied); EditText() what is shown. SetText() fires OnChange
// directly (exceptions reach the caller); typing fires it inside the guard.

#include "platform/data/date_time.h"
#include "platform/data/edit_mask.h"
#include "platform/gui/control.h"

#include <QLineEdit>
#include <string>
#include <string_view>

namespace vq::gui {

class Edit : public ControlOf<QLineEdit> {
public:
    explicit Edit(QWidget* parent = nullptr);

    NotifyEvent OnChange;

    std::string Text() const;
    void SetText(std::string_view text);
    std::string EditText() const;
    void Clear() { SetText(""); }

    std::string EditMask() const { return maskText_; }
    void SetEditMask(std::string_view mask);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool on) { setReadOnly(on); }
    int MaxLength() const { return maxLength(); }
    void SetMaxLength(int n) { setMaxLength(n > 0 ? n : 32767); }
    // Typed letters arrive upper-cased (after the key slots, so a slot sees the key as typed).
    bool UpperCase = false;

    // Refuses (vq::Error) a masked text with some but not all required positions filled.
    void beforeExit() override;

protected:
    void handleKey(QKeyEvent* e) override;
    // The user changed the text (typing, pasting, a key slot's result).
    virtual void userChanged();
    // SetText changed the text.
    virtual void codeChanged() {}
    // Throws when a masked text has some but not all required positions filled.
    void checkMaskComplete() const;
    // Replaces the shown text without OnChange (used when a value comes from data).
    void showText(const QString& shown);
    const vq::EditMask& mask() const { return mask_; }

private:
    bool maskedKey(QKeyEvent* e);
    void blankRange(QString& shown, int from, int to) const;

    vq::EditMask mask_;
    std::string maskText_;
};

// The masked edit of form tables: an Edit that is given a mask.
class MaskEdit : public Edit {
public:
    using Edit::Edit;
};

// A date typed as dd/mm/yyyy; an empty text is the zero date.
class DateEdit : public Edit {
public:
    explicit DateEdit(QWidget* parent = nullptr);
    vq::DateTime Date() const; // throws vq::Error on a text that is not a date
    void SetDate(vq::DateTime date);
    void beforeExit() override;
};

// A number typed in pt-BR (decimal comma); only digits, one comma and a leading minus get through.
class NumberEdit : public Edit {
public:
    explicit NumberEdit(QWidget* parent = nullptr);
    int Decimals = 2;     // places shown by SetValue; negative for as many as needed
    double Value() const; // 0 for an empty text; throws vq::Error on an invalid one
    void SetValue(double value);
    void beforeExit() override;

protected:
    void handleKey(QKeyEvent* e) override;
};

} // namespace vq::gui
