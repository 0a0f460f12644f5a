#include "customer/check_box_values.h"

#include "platform/data/utf8.h"

#include <string>

namespace vq::customer {

namespace {

std::string_view trimRight(std::string_view s) {
    const auto end = s.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : s.substr(0, end + 1);
}

} // namespace

CheckState checkState(const CheckBoxValues& values, const Field& field) {
    const std::string value = field.AsString();
    const std::string_view stored = trimRight(value);
    if (stored == trimRight(values.checked))
        return CheckState::Checked;
    if (stored == trimRight(values.unchecked))
        return CheckState::Unchecked;
    return CheckState::Neither;
}

void storeChecked(const CheckBoxValues& values, Field& field, bool checked) {
    std::string_view value = checked ? values.checked : values.unchecked;
    if (field.Size() > 0 && utf8Length(value) > static_cast<std::size_t>(field.Size()))
        value = trimRight(value);
    field.SetValue(Variant(value));
}

} // namespace vq::customer
