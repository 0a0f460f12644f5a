#pragma once
// Edit masks "pattern;save-literals;blank": stored value <-> shown text, and the rules a masked editor
// needs while typing. Positions are counted in code points of the shown text.
//
// Pattern: L letter, l optional letter, A letter or digit, a optional letter or digit, C any character,
// c optional any character, 0 digit, 9 optional digit, # optional digit or sign, > upper case from here on,
// < lower case, <> case unchanged, \x the literal x, ! fill from the right; any other character is a literal.
// Second part "0": literals are not stored; anything else (or none): they are. Third part: the character
// shown in an empty position while editing (default '_'). The pattern ends at the first unescaped ';'.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

enum class MaskSlot : std::uint8_t { Literal, Letter, LetterOrDigit, Any, Digit, DigitOrSign };
enum class MaskCase : std::uint8_t { Unchanged, Upper, Lower };

// One position of the shown text.
struct MaskElement {
    MaskSlot slot = MaskSlot::Literal;
    bool required = false;
    MaskCase charCase = MaskCase::Unchanged;
    char32_t literal = 0; // for MaskSlot::Literal
    bool isLiteral() const { return slot == MaskSlot::Literal; }
};

struct EditMask {
    std::vector<MaskElement> elements;
    bool saveLiterals = true;
    char32_t blank = U'_';
    bool fillFromRight = false; // '!'
    // An empty pattern (no mask, or ";0; ") leaves every text unchanged.
    bool empty() const { return elements.empty(); }
    std::size_t size() const { return elements.size(); }
};

EditMask parseEditMask(std::string_view mask);

// Stored value -> shown text. Literals not stored: the value fills the non-literal positions in order,
// extra characters are dropped, unfilled positions show as spaces. Literals stored: the value's literals
// are matched to the mask's. No case conversion: the stored text is shown as it is.
std::string formatMaskText(const EditMask& mask, std::string_view stored);
std::string formatMaskText(std::string_view mask, std::string_view stored);

// Typed or pasted text (with or without literals, empty positions as blanks or spaces) -> stored value.
// Characters a position does not accept are dropped, case is converted per '>'/'<', extras are dropped.
// Empty positions are stored as spaces; the value ends at its last filled position (with literals
// stored, closing literals stay when every position is filled up to them; under '!' the full width is
// kept). Nothing filled stores "".
std::string applyMask(const EditMask& mask, std::string_view typed);
std::string applyMask(std::string_view mask, std::string_view typed);

// Position of the first required position (L A C 0) left empty, read the way applyMask reads the text;
// nullopt when all are filled. A text with no position filled at all counts as complete: whether a value
// is required is the field's rule, not the mask's.
std::optional<std::size_t> firstMissingPosition(const EditMask& mask, std::string_view text);
bool maskComplete(const EditMask& mask, std::string_view text);
bool maskComplete(std::string_view mask, std::string_view text);

// The text shown while editing: like formatMaskText, with empty positions as the blank character.
std::string maskEditText(const EditMask& mask, std::string_view stored);
// First non-literal position at or after `from`; nullopt when there is none.
std::optional<std::size_t> nextEditablePosition(const EditMask& mask, std::size_t from);
// Last non-literal position before `before`; nullopt when there is none.
std::optional<std::size_t> previousEditablePosition(const EditMask& mask, std::size_t before);
// The character to place when `c` is typed at `position` (after case conversion); nullopt if refused.
std::optional<char32_t> acceptMaskChar(const EditMask& mask, std::size_t position, char32_t c);

} // namespace vq
