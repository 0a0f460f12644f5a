#include "customer/strip_characters.h"

namespace vq::customer {
namespace {

// Kept in its historical order, repeats included: stripping is removal one entry after the other.
constexpr std::string_view kStripped[] = {
    // accented letters
    "á", "à", "ã", "â", "ä", "Á", "À", "Ã", "Â", "Ä", "é", "è", "É", "È", "í", "ì", "Í", "Ì", "ó", "ò", "ö",
    "õ", "ô", "Ó", "Ò", "Ö", "Õ", "Ô", "ú", "ù", "ü", "Ú", "Ù", "Ü", "ç", "Ç", "ñ", "Ñ",
    // plain letters (w and W are not among them)
    "a", "A", "b", "B", "c", "C", "d", "D", "f", "F", "g", "G", "h", "H", "j", "J", "l", "L", "m", "M", "n",
    "N", "p", "P", "q", "Q", "r", "R", "s", "S", "t", "T", "v", "V", "x", "X", "z", "Z", "y", "Y", "k", "K",
    "e", "e", "E", "E", "i", "i", "I", "I", "o", "o", "o", "o", "O", "u", "U", "c", "C",
    // signs
    "<", ">", "!", "@", "#", "$", "%", "¨", "&", "*", "(", ")", "_", "-", ".", "\\", "/", "+", "=", "{", "}",
    "[", "]", "?", ";", ":", ",", "|", "*", "\"", "~", "^", "´", "`", "¨",
    // other letters and symbols; "ƒ" is the code-page byte 0x83
    "æ", "Æ", "ø", "£", "Ø", "ƒ", "ª", "º", "¿", "®", "½", "¼", "ß", "µ", "þ", "ý", "Ý", "¬", "§",
    // apostrophe, double quote, space, CR, LF
    "'", "\"", " ", "\r", "\n"};

static_assert(std::size(kStripped) == kStrippedCharacterCount);

} // namespace

std::span<const std::string_view> strippedCharacters() {
    return kStripped;
}

std::string removeCaracteres(std::string_view text) {
    std::string result(text);
    // Whole UTF-8 sequences are removed, never a byte of a longer character.
    for (std::string_view entry : kStripped)
        for (auto at = result.find(entry); at != std::string::npos; at = result.find(entry, at))
            result.erase(at, entry.size());
    return result;
}

} // namespace vq::customer
