#include "platform/db/sql_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace vq::db {

namespace {

bool readDigits(std::string_view text, std::size_t& pos, std::size_t count, int& value) {
    if (pos + count > text.size())
        return false;
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    pos += count;
    return true;
}

bool expect(std::string_view text, std::size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

bool isZone(std::string_view rest) {
    if (rest.empty() || rest == "Z")
        return true;
    if (rest[0] != '+' && rest[0] != '-')
        return false;
    for (std::size_t i = 1; i < rest.size(); ++i)
        if (!((rest[i] >= '0' && rest[i] <= '9') || rest[i] == ':'))
            return false;
    return rest.size() > 1;
}

} // namespace

std::string formatTimestamp(DateTime value) {
    const CivilDate d = datePart(value);
    const CivilTime t = timePart(value);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", d.year, d.month, d.day, t.hour,
                  t.minute, t.second, t.millisecond);
    return buf;
}

std::optional<DateTime> parseTimestamp(std::string_view text) {
    std::size_t pos = 0;
    CivilDate d;
    CivilTime t;
    if (!readDigits(text, pos, 4, d.year) || !expect(text, pos, '-') || !readDigits(text, pos, 2, d.month) ||
        !expect(text, pos, '-') || !readDigits(text, pos, 2, d.day) || !isValidCivilDate(d))
        return std::nullopt;
    if (pos < text.size() && (text[pos] == ' ' || text[pos] == 'T')) {
        ++pos;
        if (!readDigits(text, pos, 2, t.hour) || !expect(text, pos, ':') ||
            !readDigits(text, pos, 2, t.minute))
            return std::nullopt;
        if (expect(text, pos, ':') && !readDigits(text, pos, 2, t.second))
            return std::nullopt;
        if (expect(text, pos, '.')) {
            double fraction = 0.0;
            double scale = 0.1;
            const std::size_t first = pos;
            while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
                fraction += (text[pos] - '0') * scale;
                scale /= 10.0;
                ++pos;
            }
            if (pos == first)
                return std::nullopt;
            // Rounded to the millisecond, but never up into the next second (that would need a carry
            // through the date).
            t.millisecond = std::min(999, static_cast<int>(std::lround(fraction * 1000.0)));
        }
        if (t.hour > 23 || t.minute > 59 || t.second > 59)
            return std::nullopt;
    }
    if (!isZone(text.substr(pos)))
        return std::nullopt;
    DateTime value = makeDateTime(d, t);
    return value;
}

std::string formatDouble(double value) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

} // namespace vq::db
