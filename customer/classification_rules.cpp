#include "customer/classification_rules.h"

#include "framework/validation/consiste.h"

#include <algorithm>
#include <cctype>

namespace vq::customer {

int freightItem(std::string_view code) {
    for (std::size_t i = 0; i < kFreightKinds.size(); ++i)
        if (kFreightKinds[i].code == code)
            return static_cast<int>(i);
    return -1;
}

std::string freightCodeOfText(std::string_view text, const std::array<std::string, 6>& texts) {
    if (text.empty())
        return "9";
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i] == text)
            return std::string(kFreightKinds[i].code);
    return {};
}

namespace {

bool allDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

} // namespace

CarrierNumber classifyCarrier(std::string_view typed) {
    CarrierNumber out;
    std::string text = "C" + std::string(typed);
    out.kind = Consiste::Ajusta_Inscricao(text); // leaves the number without marker and literals
    out.number = std::move(text);
    const std::string& n = out.number;
    // The framework only gives 'J' or 'F' to valid numbers: a number of either shape that fails its
    // check digits is refused here, before the server is asked.
    if (n.size() == 14 && allDigits(n.substr(12)) && !Consiste::CGCOk(n))
        out.faultKey = "CGC_inv";
    else if (n.size() == 11 && allDigits(n) && !Consiste::CPFOk(n))
        out.faultKey = "CPF_inv";
    else if (out.kind == Consiste::kindFreeCode)
        out.number = Consiste::Ajusta(n, 5);
    else if (out.kind == Consiste::kindOtherLegal)
        out.number = Consiste::Ajusta(n, 20);
    return out;
}

std::string treeCode(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && !std::isalnum(static_cast<unsigned char>(text[end - 1])))
        --end;
    std::size_t begin = 0;
    while (begin < end && text[begin] == ' ')
        ++begin;
    return std::string(text.substr(begin, end - begin));
}

char16_t abbreviationKey(char16_t key) {
    if (key >= u'a' && key <= u'z')
        key = static_cast<char16_t>(key - u'a' + u'A');
    return key == 8 || (key >= u'A' && key <= u'Z') ? key : 0;
}

} // namespace vq::customer
