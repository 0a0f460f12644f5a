#include "platform/gui/edit.h"

#include "platform/data/display_format.h"
#include "platform/data/error.h"
#include "platform/data/text_ptbr.h"
#include "platform/gui/qt_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <memory>

namespace vq::gui {
namespace {

QChar toQChar(char32_t c) {
    return c <= 0xFFFF ? QChar(static_cast<char16_t>(c)) : QChar(u'?');
}

} // namespace

Edit::Edit(QWidget* parent) : ControlOf<QLineEdit>(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] { userChanged(); });
}

std::string Edit::Text() const {
    const std::string shown = ss(text());
    return mask_.empty() ? shown : applyMask(mask_, shown);
}

std::string Edit::EditText() const {
    return ss(text());
}

void Edit::SetText(std::string_view value) {
    const QString shown = mask_.empty() ? qs(value) : qs(maskEditText(mask_, value));
    if (shown == text())
        return;
    showText(shown);
    codeChanged();
    if (OnChange)
        OnChange();
}

void Edit::showText(const QString& shown) {
    const bool blocked = blockSignals(true);
    setText(shown);
    blockSignals(blocked);
}

void Edit::SetEditMask(std::string_view maskText) {
    const std::string stored = Text();
    maskText_ = std::string(maskText);
    mask_ = parseEditMask(maskText);
    setContextMenuPolicy(mask_.empty() ? Qt::DefaultContextMenu : Qt::NoContextMenu);
    showText(mask_.empty() ? qs(stored) : qs(maskEditText(mask_, stored)));
}

void Edit::userChanged() {
    fire("OnChange", OnChange);
}

void Edit::checkMaskComplete() const {
    if (!mask_.empty() && !maskComplete(mask_, ss(text())))
        throw Error("Valor incompleto: preencha todas as posições de \"" + ss(text()) + "\".");
}

void Edit::beforeExit() {
    checkMaskComplete();
}

void Edit::handleKey(QKeyEvent* e) {
    std::unique_ptr<QKeyEvent> upper;
    if (UpperCase && !e->text().isEmpty() && e->text() != e->text().toUpper()) {
        upper = std::make_unique<QKeyEvent>(e->type(), e->key(), e->modifiers(), e->text().toUpper());
        e = upper.get();
    }
    if (!maskedKey(e))
        ControlOf<QLineEdit>::handleKey(e);
}

void Edit::blankRange(QString& shown, int from, int to) const {
    for (int i = from; i < to && i < shown.size(); ++i)
        if (static_cast<std::size_t>(i) < mask_.size() &&
            !mask_.elements[static_cast<std::size_t>(i)].isLiteral())
            shown[i] = toQChar(mask_.blank);
}

bool Edit::maskedKey(QKeyEvent* e) {
    if (mask_.empty() || isReadOnly())
        return false;
    QString shown = text();
    int cursor = cursorPosition();
    const bool selection = hasSelectedText();
    const int selStart = selection ? selectionStart() : cursor;
    const int selEnd = selection ? selStart + static_cast<int>(selectedText().size()) : cursor;

    if (e->matches(QKeySequence::Paste)) {
        showText(qs(maskEditText(mask_, applyMask(mask_, ss(QGuiApplication::clipboard()->text())))));
        userChanged();
        return true;
    }
    if (e->matches(QKeySequence::Cut) || e->key() == Qt::Key_Delete) {
        if (e->matches(QKeySequence::Cut) && selection)
            QGuiApplication::clipboard()->setText(selectedText());
        blankRange(shown, selStart, selection ? selEnd : selStart + 1);
        showText(shown);
        setCursorPosition(selStart);
        userChanged();
        return true;
    }
    if (e->key() == Qt::Key_Backspace) {
        int at = selStart;
        if (selection) {
            blankRange(shown, selStart, selEnd);
        } else {
            const auto p = previousEditablePosition(mask_, static_cast<std::size_t>(cursor));
            if (!p)
                return true;
            at = static_cast<int>(*p);
            blankRange(shown, at, at + 1);
        }
        showText(shown);
        setCursorPosition(at);
        userChanged();
        return true;
    }
    const QString typed = e->text();
    if (typed.size() != 1 || !typed.at(0).isPrint() ||
        (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false; // navigation, shortcuts: QLineEdit's own
    if (selection)
        blankRange(shown, selStart, selEnd);
    const auto p = nextEditablePosition(mask_, static_cast<std::size_t>(selStart));
    if (!p)
        return true;
    const auto accepted = acceptMaskChar(mask_, *p, typed.at(0).unicode());
    if (!accepted)
        return true; // the position does not take this character
    shown[static_cast<int>(*p)] = toQChar(*accepted);
    showText(shown);
    const auto next = nextEditablePosition(mask_, *p + 1);
    setCursorPosition(static_cast<int>(next ? *next : *p + 1));
    userChanged();
    return true;
}

// ---- DateEdit

DateEdit::DateEdit(QWidget* parent) : Edit(parent) {
    SetEditMask("!99/99/0000;1;_");
}

DateTime DateEdit::Date() const {
    const std::string text = Text();
    if (text.empty())
        return DateTime{};
    if (auto d = parseDate(text))
        return *d;
    throw Error("Data inválida: " + text + ".");
}

void DateEdit::SetDate(DateTime date) {
    SetText(formatDate(date));
}

void DateEdit::beforeExit() {
    Edit::beforeExit();
    (void)Date();
}

// ---- NumberEdit

NumberEdit::NumberEdit(QWidget* parent) : Edit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

double NumberEdit::Value() const {
    const std::string text = Text();
    if (text.find_first_not_of(' ') == std::string::npos)
        return 0.0;
    if (auto v = parseNumber(text))
        return *v;
    throw Error("Número inválido: " + text + ".");
}

void NumberEdit::SetValue(double value) {
    SetText(
        Decimals < 0
            ? formatNumber(value)
            : formatFloat(Decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(Decimals), '0'),
                          value));
}

void NumberEdit::beforeExit() {
    (void)Value();
}

void NumberEdit::handleKey(QKeyEvent* e) {
    const QString typed = e->text();
    if (typed.size() == 1 && typed.at(0).isPrint() && !(e->modifiers() & Qt::ControlModifier)) {
        const QChar c = typed.at(0);
        const bool ok =
            c.isDigit() || (c == u',' && !text().contains(u',')) || (c == u'-' && cursorPosition() == 0);
        if (!ok)
            return;
    }
    Edit::handleKey(e);
}

} // namespace vq::gui
