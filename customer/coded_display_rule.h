#pragma once
// Coded fields: a one-letter (or short) code is stored and a word is shown. A rule is a table of stored
// code and shown text in the order of the control's items; it drives the field's OnGetText/OnSetText and
// gives combo boxes and radio groups their items and stored values.

#include "platform/data/field.h"
#include "platform/data/variant.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq::customer {

// The framework's message lookup (Msg): text of a key of the form's catalogue.
using MessageLookup = std::function<std::string(std::string_view key)>;

struct CodedValue {
    std::string_view stored;
    std::string_view shown; // the text, or its message key when the rule says so
};

enum class CodedTextMode : std::uint8_t {
    Items, // the field's text is the shown text of its code (data-aware combos bound by text, grids)
    Codes, // the field's text is the code; the control maps codes to items (stored-value radio groups)
};

struct CodedDisplayRule {
    std::string_view field = {};
    std::span<const CodedValue> values = {}; // in item order
    CodedTextMode mode = CodedTextMode::Items;
    bool messageKeys = false;         // shown texts are message keys, looked up when shown
    bool browseOnly = false;          // outside browse state the field shows its code
    std::string_view emptyShows = {}; // what a null or empty value shows
    bool emptyTextClears = false;     // setting an empty text clears the field (else it changes nothing)
};

// Text shown for a stored value: the item text of a known code, emptyShows for an empty value, nothing
// for an unknown code (Items mode); in Codes mode the code itself, or emptyShows when empty.
std::string codedText(const CodedDisplayRule& rule, const Variant& stored, const MessageLookup& msg);

// Code for a text: the code whose item text it is, or the text itself when it is one of the codes.
std::optional<std::string> codedValue(const CodedDisplayRule& rule, std::string_view text,
                                      const MessageLookup& msg);

std::vector<std::string> codedItemTexts(const CodedDisplayRule& rule, const MessageLookup& msg);
std::vector<std::string> codedItemValues(const CodedDisplayRule& rule);

// Installs the rule as the field's OnGetText (and OnSetText in Items mode). A Codes rule without an
// emptyShows text needs no handler and leaves the field alone. The rule's values must outlive the field.
void applyCodedRule(Field& field, const CodedDisplayRule& rule, MessageLookup msg);

} // namespace vq::customer
