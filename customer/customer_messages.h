#pragma once
// The customer form's message catalogues as data: msgPadrao and msgPadrao02, each a table of key and text.
// Every key the form or its datasets look up is here, so a lookup never falls through to a warning.

#include <span>
#include <string_view>

namespace vq::customer {

struct MessageText {
    std::string_view key;
    std::string_view text;
};

std::span<const MessageText> msgPadraoTexts();
std::span<const MessageText> msgPadrao02Texts();

} // namespace vq::customer
