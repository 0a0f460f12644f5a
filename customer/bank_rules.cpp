#include "customer/bank_rules.h"

#include "platform/data/edit_mask.h"

namespace vq::customer {

std::string accountNumberText(std::string_view picture, std::string_view stored, bool isNull) {
    if (isNull)
        return {};
    if (picture.empty())
        return std::string(stored);
    return formatMaskText(std::string(picture) + ";0; ", stored);
}

std::optional<std::string> principalValue(std::string_view text, std::string_view yesText) {
    if (text.empty())
        return std::nullopt;
    return std::string(text == yesText ? "S" : "N");
}

std::string toggledMark(std::string_view mark) {
    return mark == "S" ? "N" : "S";
}

} // namespace vq::customer
