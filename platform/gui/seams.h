#pragma once
// Services that would otherwise open a dialog or run a nested event loop. Each is one replaceable
// function: the Qt default is built in, tests and the automation driver put their own in place (usually
// through SeamOverride) and answer without any event loop.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vq::gui {

class FormBase;

template <class Signature> class Seam;

template <class R, class... Args> class Seam<R(Args...)> {
public:
    using Handler = std::function<R(Args...)>;

    explicit Seam(Handler fallback) : fallback_(std::move(fallback)) {}

    R operator()(Args... args) const {
        const Handler& h = current_ ? current_ : fallback_;
        return h(std::forward<Args>(args)...);
    }
    // Installs a handler and returns the previous one (empty when the default was active).
    Handler replace(Handler handler) { return std::exchange(current_, std::move(handler)); }
    void reset() { current_ = nullptr; }
    bool overridden() const { return static_cast<bool>(current_); }

private:
    Handler fallback_;
    Handler current_;
};

// Puts a handler in place for one scope and restores the previous one afterwards.
template <class S> class SeamOverride {
public:
    SeamOverride(S& seam, typename S::Handler handler)
        : seam_(seam), previous_(seam.replace(std::move(handler))) {}
    ~SeamOverride() { seam_.replace(std::move(previous_)); }
    SeamOverride(const SeamOverride&) = delete;
    SeamOverride& operator=(const SeamOverride&) = delete;

private:
    S& seam_;
    typename S::Handler previous_;
};

// ---- Messages and confirmations

enum class MessageKind { Info, Warning, Error, Confirmation };

enum class MessageButton : unsigned {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Yes = 4,
    No = 8,
    Abort = 16,
    Retry = 32,
    Ignore = 64
};
using MessageButtons = unsigned; // an or-ed set of MessageButton
constexpr MessageButtons operator|(MessageButton a, MessageButton b) {
    return static_cast<unsigned>(a) | static_cast<unsigned>(b);
}
constexpr MessageButtons operator|(MessageButtons a, MessageButton b) {
    return a | static_cast<unsigned>(b);
}
constexpr bool hasButton(MessageButtons set, MessageButton b) {
    return (set & static_cast<unsigned>(b)) != 0;
}

struct Message {
    MessageKind kind = MessageKind::Info;
    std::string text;
    MessageButtons buttons = static_cast<unsigned>(MessageButton::Ok);
};

// ---- Lookups, list pickers and in-dataset search: the caller renders its rows as text.

struct ChoiceRequest {
    std::string caption;              // dialog title
    std::string emptyText;            // shown instead of the dialog when there are no rows
    std::vector<std::string> columns; // column titles
    std::vector<std::string> fields;  // field name of each column (for search by column)
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> keys;     // key of each row, so a driver can answer with a code
    std::vector<std::size_t> selected; // rows chosen beforehand (list picker)
};

using RowChoice = std::optional<std::size_t>;               // nullopt: nothing chosen
using RowsChoice = std::optional<std::vector<std::size_t>>; // nullopt: cancelled

namespace seams {

Seam<MessageButton(const Message&)>& message();
Seam<RowChoice(const ChoiceRequest&)>& lookup();      // one row
Seam<RowsChoice(const ChoiceRequest&)>& listPicker(); // several rows
Seam<RowChoice(const ChoiceRequest&)>& search();      // find a row by a column's text
Seam<int(FormBase&)>& showModal();                    // returns the modal result
Seam<void(FormBase&)>& showForm();                    // a non-modal form appears (host may embed it)

// The Qt defaults, also callable from a replacement that wants to fall back.
MessageButton defaultMessage(const Message& message);
RowChoice defaultLookup(const ChoiceRequest& request);
RowsChoice defaultListPicker(const ChoiceRequest& request);
RowChoice defaultSearch(const ChoiceRequest& request);
int defaultShowModal(FormBase& form);
void defaultShowForm(FormBase& form);

} // namespace seams

// Shorthands over the message seam.
MessageButton showMessage(MessageKind kind, std::string_view text,
                          MessageButtons buttons = static_cast<unsigned>(MessageButton::Ok));
// Yes/No confirmation; true on Yes.
bool confirm(std::string_view text);

} // namespace vq::gui
