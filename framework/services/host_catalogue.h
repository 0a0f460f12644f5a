#pragma once
// The host's message catalogue: texts for keys that no message component of a form holds. Built in from
// the framework's resources (host_catalogue.txt); the host may add or replace texts from a file of the
// same "key|text" format. Keys match without regard to letter case (accented letters included).

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace vq {

class HostCatalogue {
public:
    // The process-wide catalogue, loaded from the built-in resource on first use.
    static HostCatalogue& instance();

    std::optional<std::string> find(std::string_view key) const;
    bool contains(std::string_view key) const { return find(key).has_value(); }
    void set(std::string_view key, std::string_view text);
    std::size_t size() const;

    // Adds the entries of a "key|text" text (later entries replace earlier ones). Returns how many.
    std::size_t addText(std::string_view text);
    // Adds the entries of a file; throws vq::Error naming the file when it cannot be read.
    std::size_t addFile(const std::string& path);
    // Back to the built-in texts only.
    void reset();

private:
    HostCatalogue();
    std::unordered_map<std::string, std::string> texts_; // folded key -> text
};

// Splits a message item "key|text" at its first bar; an item without a bar is a key with no text.
std::pair<std::string_view, std::string_view> splitMessageItem(std::string_view item);
// The key in the form keys are compared in (lower case, UTF-8 aware).
std::string messageKeyFold(std::string_view key);

// The host catalogue's text for `key`; an unknown key answers the key itself (and logs a warning).
std::string HostMsg(std::string_view key);

// Replaces %1, %2, ... in `text` by those arguments; each %s takes the next argument in order (the
// catalogues' own texts use %s).
std::string formatMsg(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace vq
