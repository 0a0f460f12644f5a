#pragma once
// The options text of a form-table row: "key=value;flag;...;mask=rest of the text".

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq::gui {

class SpecOptions {
public:
    // `owner` names the row in error messages.
    SpecOptions(std::string_view text, std::string owner);

    bool flag(std::string_view name) const;
    std::optional<std::string> value(std::string_view key) const;
    std::string text(std::string_view key, std::string fallback = {}) const;
    std::optional<int> number(std::string_view key) const;     // vq::Error on a non-number
    std::vector<std::string> list(std::string_view key) const; // "A|B|C"
    // Fails on any key or flag not in `known`, so a typo in a table does not pass silently.
    void check(std::span<const std::string_view> known) const;

private:
    std::string owner_;
    std::map<std::string, std::string, std::less<>> values_;
    std::set<std::string, std::less<>> flags_;
};

} // namespace vq::gui
