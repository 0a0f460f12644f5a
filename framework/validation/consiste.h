#pragma once
// Validation and code-formatting helpers of the host framework unit Consiste (no Qt).
// Every function accepts any text, including invalid UTF-8, and never throws for its content.
// The decided rules are written down in docs/validation.md.

#include <string>
#include <string_view>

namespace vq::Consiste {

// Registration kind letters produced by Ajusta_Inscricao.
inline constexpr char kindPerson = 'F';     // CPF
inline constexpr char kindCompany = 'J';    // CNPJ
inline constexpr char kindOtherLegal = 'I'; // other legal registration: 6 to 20 digits
inline constexpr char kindFreeCode = 'O';   // free code: anything else

// True when s is empty or holds only blanks (space, tab, CR, LF, VT, FF).
bool EmptyString(std::string_view s);

// s without its leading and trailing blanks.
std::string AllTrim(std::string_view s);

// Stored form of a code for a field `width` characters wide. A code of digits only is right-aligned and
// zero-padded to the width (surplus leading zeros are dropped); any other code is only trimmed. A code
// that stays longer than the width is returned whole, never cut, so the lookup or the field refuses it.
// A blank code gives "".
std::string Ajusta(std::string_view code, int width);

// Check digits of a CPF (11 digits). Blanks and the separators . - / may appear anywhere; any other
// character, a wrong length or a number of one repeated digit makes it invalid.
bool CPFOk(std::string_view s);

// Check digits of a CNPJ: 14 characters, the first 12 digits or letters A-Z (either case), the last
// two digits. Same separator rules as CPFOk.
bool CGCOk(std::string_view s);

// Normalises a registration in place and returns its kind letter. The text is "C" followed by the
// number as typed (callers always add the marker; a text without it is taken as the number itself).
// The number loses blanks and . - / and letters are upper-cased; then: a valid CPF gives 'F', a valid
// CNPJ 'J', 6 to 20 digits 'I', anything else (short codes, letters, other signs) 'O'.
char Ajusta_Inscricao(std::string& s);

// Edit mask (pattern;save-literals;blank) of a registration kind: 'F' and 'J' formatted masks, every
// other letter "" (free text). Lower-case letters count as upper-case.
std::string PictPess(char kind);
std::string PictPess(std::string_view kind);

} // namespace vq::Consiste
