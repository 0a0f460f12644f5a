#pragma once
// Message catalogues of a form. Each form carries TMessages components (the base form's msgPadrao, on
// some forms others) whose items are "key|text". Msg(key) answers the text, keys matching without regard
// to letter case: first this component, then the other components of the same form (in creation order),
// then the host catalogue. A key nobody holds answers the key itself and logs a warning, so a missing
// text shows up on screen as its key instead of an empty dialog.

#include "platform/gui/seams.h"

#include <QObject>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vq {

class TMessages : public QObject {
    Q_OBJECT

public:
    explicit TMessages(QObject* parent = nullptr, std::string_view name = {});

    std::string Name() const;
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    void Add(std::string_view key, std::string_view text);

    // This component's own text (the first item with the key), nothing else.
    std::optional<std::string> find(std::string_view key) const;
    // This component, the form's other components, then the host catalogue.
    std::string Msg(std::string_view key) const;

private:
    void index(std::size_t item);

    std::vector<std::string> items_;
    std::unordered_map<std::string, std::size_t> byKey_; // folded key -> first item holding it
};

// Every TMessages of `owner` (a form) and its descendants, then the host catalogue.
std::string Msg(const QObject& owner, std::string_view key);
// The same without the host fallback.
std::optional<std::string> findMsg(const QObject& owner, std::string_view key);

// Shows `text` through the message seam and answers the button chosen. `help` is a help context,
// kept for the callers' sake and not shown.
gui::MessageButton ShowMsg(std::string_view text, gui::MessageKind type,
                           gui::MessageButtons buttons = static_cast<unsigned>(gui::MessageButton::Ok),
                           int help = 0);

} // namespace vq
