#include "platform/data/edit_mask.h"

#include "platform/data/utf8_text.h"

#include <algorithm>

namespace vq {

namespace {

struct SlotChar {
    char32_t ch;
    MaskSlot slot;
    bool required;
};

constexpr SlotChar kSlotChars[] = {
    {U'L', MaskSlot::Letter, true},        {U'l', MaskSlot::Letter, false},
    {U'A', MaskSlot::LetterOrDigit, true}, {U'a', MaskSlot::LetterOrDigit, false},
    {U'C', MaskSlot::Any, true},           {U'c', MaskSlot::Any, false},
    {U'0', MaskSlot::Digit, true},         {U'9', MaskSlot::Digit, false},
    {U'#', MaskSlot::DigitOrSign, false},
};

constexpr char32_t kNoLiteral = 0x110000; // never a character of any text
constexpr char32_t kEmpty = 0;            // an empty position in a filled layout

// Byte offset of the first ';' that is not escaped by a backslash, or npos.
std::size_t patternEnd(std::string_view mask) {
    for (std::size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] == '\\')
            ++i;
        else if (mask[i] == ';')
            return i;
    }
    return std::string_view::npos;
}

void parsePattern(std::u32string_view p, EditMask& m) {
    MaskCase charCase = MaskCase::Unchanged;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        if (c == U'>') {
            charCase = MaskCase::Upper;
        } else if (c == U'<') {
            const bool reset = i + 1 < p.size() && p[i + 1] == U'>';
            charCase = reset ? MaskCase::Unchanged : MaskCase::Lower;
            i += reset ? 1 : 0;
        } else if (c == U'!') {
            m.fillFromRight = true;
        } else if (c == U'\\') {
            const char32_t lit = i + 1 < p.size() ? p[++i] : U'\\';
            m.elements.push_back({MaskSlot::Literal, false, charCase, lit});
        } else {
            const auto* sc = std::find_if(std::begin(kSlotChars), std::end(kSlotChars),
                                          [c](const SlotChar& s) { return s.ch == c; });
            if (sc == std::end(kSlotChars))
                m.elements.push_back({MaskSlot::Literal, false, charCase, c});
            else
                m.elements.push_back({sc->slot, sc->required, charCase, 0});
        }
    }
}

bool slotAccepts(MaskSlot slot, char32_t c) {
    switch (slot) {
    case MaskSlot::Letter:
        return utf8::isLetter(c);
    case MaskSlot::LetterOrDigit:
        return utf8::isLetter(c) || utf8::isDigit(c);
    case MaskSlot::Any:
        return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0);
    case MaskSlot::Digit:
        return utf8::isDigit(c);
    case MaskSlot::DigitOrSign:
        return utf8::isDigit(c) || c == U'+' || c == U'-';
    case MaskSlot::Literal:
        break;
    }
    return false;
}

std::optional<char32_t> accept(const MaskElement& e, char32_t c) {
    if (e.isLiteral())
        return std::nullopt;
    if (e.charCase == MaskCase::Upper)
        c = utf8::toUpper(c);
    else if (e.charCase == MaskCase::Lower)
        c = utf8::toLower(c);
    if (!slotAccepts(e.slot, c))
        return std::nullopt;
    return c;
}

// How a text is laid over the positions.
enum class Fit {
    Positional, // stored without literals: characters go into the non-literal positions in order
    Matched,    // stored with literals: the text's literals line up with the mask's
    Typed,      // user input: literals matched, refused characters dropped, case converted
};

// One entry per position: the literal, the character placed, or kEmpty.
std::vector<char32_t> fit(const EditMask& m, std::string_view text, Fit mode) {
    const std::size_t n = m.size();
    std::u32string chars = utf8::decode(text);
    if (m.fillFromRight)
        std::reverse(chars.begin(), chars.end());
    // Walking from the right under '!' is the same walk over the reversed positions.
    auto at = [&](std::size_t i) -> const MaskElement& {
        return m.elements[m.fillFromRight ? n - 1 - i : i];
    };

    std::vector<char32_t> nextLiteral(n + 1, kNoLiteral);
    for (std::size_t i = n; i-- > 0;)
        nextLiteral[i] = at(i).isLiteral() ? at(i).literal : nextLiteral[i + 1];

    std::vector<char32_t> cells(n, kEmpty);
    std::size_t t = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const MaskElement& e = at(i);
        if (e.isLiteral()) {
            if (mode != Fit::Positional && t < chars.size() && chars[t] == e.literal)
                ++t;
            cells[i] = e.literal;
            continue;
        }
        while (t < chars.size()) {
            const char32_t c = chars[t];
            if (c == U' ' || c == m.blank) {
                ++t;
                break;
            }
            if (mode == Fit::Positional) {
                cells[i] = c;
                ++t;
                break;
            }
            const auto placed = accept(e, c);
            if (placed) {
                cells[i] = mode == Fit::Typed ? *placed : c;
                ++t;
                break;
            }
            if (c == nextLiteral[i + 1])
                break; // belongs to the coming literal: this position stays empty
            if (mode == Fit::Matched) {
                cells[i] = c; // shown as stored, even if the mask would not accept it
                ++t;
                break;
            }
            ++t; // typed character the position refuses
        }
    }
    if (m.fillFromRight)
        std::reverse(cells.begin(), cells.end());
    return cells;
}

std::vector<char32_t> fitStored(const EditMask& m, std::string_view stored) {
    return fit(m, stored, m.saveLiterals ? Fit::Matched : Fit::Positional);
}

std::string render(const std::vector<char32_t>& cells, char32_t emptyAs) {
    std::string out;
    out.reserve(cells.size());
    for (char32_t c : cells)
        utf8::append(out, c == kEmpty ? emptyAs : c);
    return out;
}

} // namespace

EditMask parseEditMask(std::string_view mask) {
    EditMask m;
    const std::size_t end = patternEnd(mask);
    parsePattern(utf8::decode(mask.substr(0, end)), m);
    if (end == std::string_view::npos)
        return m;
    const std::string_view rest = mask.substr(end + 1);
    const std::size_t sep = rest.find(';');
    m.saveLiterals = rest.substr(0, sep) != "0";
    if (sep != std::string_view::npos && sep + 1 < rest.size())
        m.blank = utf8::decode(rest.substr(sep + 1)).front();
    return m;
}

std::string formatMaskText(const EditMask& mask, std::string_view stored) {
    if (mask.empty())
        return std::string(stored);
    return render(fitStored(mask, stored), U' ');
}

std::string formatMaskText(std::string_view mask, std::string_view stored) {
    return formatMaskText(parseEditMask(mask), stored);
}

std::string applyMask(const EditMask& mask, std::string_view typed) {
    if (mask.empty())
        return std::string(typed);
    const std::vector<char32_t> cells = fit(mask, typed, Fit::Typed);
    auto filled = [&](std::size_t i) { return !mask.elements[i].isLiteral() && cells[i] != kEmpty; };
    std::size_t last = cells.size();
    for (std::size_t i = cells.size(); i-- > 0 && last == cells.size();)
        last = filled(i) ? i : last;
    if (last == cells.size())
        return {};
    // The value ends at its last filled position; literals after it are kept only when they close a
    // pattern whose positions are all behind them. A right-aligned ('!') value keeps its full width, or
    // it would shift right the next time it is shown.
    const bool openTail = !mask.fillFromRight && nextEditablePosition(mask, last + 1).has_value();
    const std::size_t end = openTail ? last + 1 : cells.size();
    std::string out;
    for (std::size_t i = 0; i < end; ++i)
        if (!mask.elements[i].isLiteral() || mask.saveLiterals)
            utf8::append(out, cells[i] == kEmpty ? U' ' : cells[i]);
    return out;
}

std::string applyMask(std::string_view mask, std::string_view typed) {
    return applyMask(parseEditMask(mask), typed);
}

std::optional<std::size_t> firstMissingPosition(const EditMask& mask, std::string_view text) {
    const std::vector<char32_t> cells = fit(mask, text, Fit::Typed);
    std::optional<std::size_t> missing;
    bool any = false;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const MaskElement& e = mask.elements[i];
        if (e.isLiteral())
            continue;
        any = any || cells[i] != kEmpty;
        if (!missing && e.required && cells[i] == kEmpty)
            missing = i;
    }
    return any ? missing : std::nullopt;
}

bool maskComplete(const EditMask& mask, std::string_view text) {
    return !firstMissingPosition(mask, text);
}

bool maskComplete(std::string_view mask, std::string_view text) {
    return maskComplete(parseEditMask(mask), text);
}

std::string maskEditText(const EditMask& mask, std::string_view stored) {
    if (mask.empty())
        return std::string(stored);
    return render(fitStored(mask, stored), mask.blank);
}

std::optional<std::size_t> nextEditablePosition(const EditMask& mask, std::size_t from) {
    for (std::size_t i = from; i < mask.size(); ++i)
        if (!mask.elements[i].isLiteral())
            return i;
    return std::nullopt;
}

std::optional<std::size_t> previousEditablePosition(const EditMask& mask, std::size_t before) {
    for (std::size_t i = std::min(before, mask.size()); i-- > 0;)
        if (!mask.elements[i].isLiteral())
            return i;
    return std::nullopt;
}

std::optional<char32_t> acceptMaskChar(const EditMask& mask, std::size_t position, char32_t c) {
    if (position >= mask.size())
        return std::nullopt;
    return accept(mask.elements[position], c);
}

} // namespace vq
