#include "platform/data/value_compare.h"

#include "platform/data/field_value.h"
#include "platform/data/utf8_text.h"

#include <algorithm>

namespace vq {

namespace {

bool isNumberLike(VariantKind k) {
    return k == VariantKind::Int || k == VariantKind::Double || k == VariantKind::DateTime;
}

template <class T> int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

int compareValues(const Variant& a, const Variant& b) {
    const VariantKind ka = a.kind(), kb = b.kind();
    if (ka == VariantKind::Null || kb == VariantKind::Null)
        return threeWay(ka != VariantKind::Null, kb != VariantKind::Null);
    if (ka == VariantKind::Int && kb == VariantKind::Int)
        return threeWay(a.toInt(), b.toInt());
    if (isNumberLike(ka) && isNumberLike(kb))
        return threeWay(a.toDouble(), b.toDouble());
    if (ka == VariantKind::String && kb == VariantKind::String)
        return a.asString().compare(b.asString()) < 0 ? -1 : (a.asString() == b.asString() ? 0 : 1);
    if (ka == VariantKind::Bool && kb == VariantKind::Bool)
        return threeWay(a.toBool(), b.toBool());
    const std::string ta = valueText(a), tb = valueText(b);
    return ta < tb ? -1 : (ta == tb ? 0 : 1);
}

namespace {
bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

bool textMatches(std::string_view value, std::string_view key, bool caseInsensitive, bool prefix) {
    if (!caseInsensitive)
        return prefix ? value.starts_with(key) : value == key;
    if (isAscii(key) && isAscii(value.substr(0, key.size()))) { // no allocation on the common path
        if (value.size() < key.size() || (!prefix && value.size() != key.size()))
            return false;
        return std::equal(key.begin(), key.end(), value.begin(),
                          [](char a, char b) { return asciiLower(a) == asciiLower(b); });
    }
    const std::string lv = utf8::toLower(value), lk = utf8::toLower(key);
    return prefix ? std::string_view(lv).starts_with(lk) : lv == lk;
}

std::vector<std::string_view> splitFieldList(std::string_view names) {
    std::vector<std::string_view> out;
    while (!names.empty()) {
        const std::size_t semi = names.find(';');
        std::string_view part = names.substr(0, semi);
        names = semi == std::string_view::npos ? std::string_view{} : names.substr(semi + 1);
        while (!part.empty() && part.front() == ' ')
            part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ')
            part.remove_suffix(1);
        if (!part.empty())
            out.push_back(part);
    }
    return out;
}

} // namespace vq
