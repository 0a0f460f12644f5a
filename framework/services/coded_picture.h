#pragma once
// Coded-field pictures: the masks of tree codes (ledger accounts, activity branches, product trees).
// A picture is an edit-mask pattern whose runs of code positions are the levels of the tree, separated by
// literals: "9.99.999" has three levels of 1, 2 and 3 digits, and "1.01.001" is a code of the third level.
// Codes are stored with their separators, as typed.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

class CodedPicture {
public:
    CodedPicture() = default;
    // The pattern, or a whole edit mask (only the pattern part counts). Throws vq::Error when it is not
    // a picture: a level must hold at least one position, and positions take digits (9 0) or letters
    // and digits (A a L l C c); other characters separate levels.
    explicit CodedPicture(std::string_view picture);

    const std::string& pattern() const { return pattern_; }
    bool empty() const { return pattern_.empty(); }
    int levels() const { return static_cast<int>(groups_.size()); }
    const std::vector<int>& levelSizes() const { return groups_; }
    // The edit mask the code fields use: the pattern, literals stored, '_' for empty positions.
    std::string editMask() const;

    // The level of a code: the levels filled completely from the first, in order, with the picture's
    // separators between them; trailing empty positions (blank or '_') and trailing separators are
    // ignored. nullopt when the code is blank, fills a level partly, skips one or has other characters.
    std::optional<int> levelOf(std::string_view code) const;

private:
    std::string pattern_;
    std::vector<int> groups_;             // positions per level
    std::vector<std::string> levelSlots_; // the slot characters of each level
    std::vector<std::string> literals_;   // separator after each level but the last
};

} // namespace vq
