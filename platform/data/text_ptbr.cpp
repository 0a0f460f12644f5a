#include "platform/data/text_ptbr.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vq {

namespace {

// Shortest round-trip significant digits of a positive finite value, with the power of ten of the first.
struct Shortest {
    std::string digits;
    int exponent = 0;
};

Shortest shortest(double positive) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, positive, std::chars_format::scientific);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = text.find('e');
    Shortest out;
    for (char c : text.substr(0, e))
        if (c != '.')
            out.digits.push_back(c);
    std::string_view exp = text.substr(e + 1);
    if (!exp.empty() && exp.front() == '+')
        exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), out.exponent);
    return out;
}

// Adds one unit in the last place of a digit string; returns false when it overflows to a new digit.
bool increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return true;
        }
        *it = '0';
    }
    return false;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

void appendPadded(std::string& out, int value, int width) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    const auto len = static_cast<int>(res.ptr - buf);
    out.append(static_cast<std::size_t>(std::max(0, width - len)), '0');
    out.append(buf, res.ptr);
}

// Day numbers whose dates fall in years 1..9999.
bool inCalendar(DateTime v) {
    static const double lo = static_cast<double>(daysFromCivil({1, 1, 1}));
    static const double hi = static_cast<double>(daysFromCivil({9999, 12, 31})) + 1.0;
    return v.days > lo - 1.0 && v.days < hi;
}

void appendDate(std::string& out, const CivilDate& d) {
    appendPadded(out, d.day, 2);
    out.push_back('/');
    appendPadded(out, d.month, 2);
    out.push_back('/');
    appendPadded(out, d.year, 4);
}

void appendTime(std::string& out, const CivilTime& t) {
    appendPadded(out, t.hour, 2);
    out.push_back(':');
    appendPadded(out, t.minute, 2);
    out.push_back(':');
    appendPadded(out, t.second, 2);
}

class Scanner {
public:
    explicit Scanner(std::string_view s) : s_(s) {}
    bool atEnd() const { return i_ == s_.size(); }
    bool eat(char c) {
        if (atEnd() || s_[i_] != c)
            return false;
        ++i_;
        return true;
    }
    bool skipBlanks() {
        const std::size_t start = i_;
        while (!atEnd() && isBlank(s_[i_]))
            ++i_;
        return i_ > start;
    }
    // Between minDigits and maxDigits digits; `count` receives how many were read.
    std::optional<int> number(int minDigits, int maxDigits, int* count = nullptr) {
        int value = 0, n = 0;
        while (!atEnd() && n < maxDigits && isDigit(s_[i_])) {
            value = value * 10 + (s_[i_++] - '0');
            ++n;
        }
        if (n < minDigits || (!atEnd() && isDigit(s_[i_])))
            return std::nullopt;
        if (count)
            *count = n;
        return value;
    }

private:
    std::string_view s_;
    std::size_t i_ = 0;
};

// Two-digit years: 00..49 are 2000..2049, 50..99 are 1950..1999.
constexpr int kTwoDigitYearPivot = 50;

std::optional<CivilDate> scanDate(Scanner& sc) {
    const auto day = sc.number(1, 2);
    if (!day || !sc.eat('/'))
        return std::nullopt;
    const auto month = sc.number(1, 2);
    if (!month || !sc.eat('/'))
        return std::nullopt;
    int digits = 0;
    auto year = sc.number(2, 4, &digits);
    if (!year || digits == 3)
        return std::nullopt;
    if (digits == 2)
        *year += *year < kTwoDigitYearPivot ? 2000 : 1900;
    const CivilDate d{*year, *month, *day};
    if (!isValidCivilDate(d))
        return std::nullopt;
    return d;
}

std::optional<CivilTime> scanTime(Scanner& sc) {
    const auto hour = sc.number(1, 2);
    if (!hour || !sc.eat(':'))
        return std::nullopt;
    const auto minute = sc.number(2, 2);
    if (!minute)
        return std::nullopt;
    std::optional<int> second = 0;
    if (sc.eat(':'))
        second = sc.number(2, 2);
    if (!second || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    return CivilTime{*hour, *minute, *second, 0};
}

} // namespace

FixedDigits fixedDigits(double absValue, int decimals) {
    const auto places = static_cast<std::size_t>(std::max(0, decimals));
    FixedDigits out{"", std::string(places, '0')};
    if (!std::isfinite(absValue) || absValue == 0.0)
        return out;
    const Shortest s = shortest(std::fabs(absValue));
    const int point = s.exponent + 1; // digits before the decimal point
    if (-point > static_cast<int>(places))
        return out;  // below half a unit of the last place
    std::string all; // integer and fraction digits, the point after `intLen` digits
    std::size_t intLen = 0;
    if (point <= 0) {
        all = std::string(static_cast<std::size_t>(-point), '0') + s.digits;
    } else {
        all = s.digits;
        if (all.size() < static_cast<std::size_t>(point))
            all.append(static_cast<std::size_t>(point) - all.size(), '0');
        intLen = static_cast<std::size_t>(point);
    }
    const std::size_t keep = intLen + places;
    if (all.size() > keep) {
        const bool up = all[keep] >= '5';
        all.resize(keep);
        if (up && !increment(all)) {
            all.insert(all.begin(), '1');
            ++intLen;
        }
    } else {
        all.append(keep - all.size(), '0');
    }
    out.integer = all.substr(0, intLen);
    out.fraction = all.substr(intLen);
    out.integer.erase(0, std::min(out.integer.find_first_not_of('0'), out.integer.size()));
    return out;
}

std::string formatNumber(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0.0)
        return "0";
    std::string out = value < 0 ? "-" : "";
    const Shortest s = shortest(std::fabs(value));
    if (s.exponent >= -5 && s.exponent < 15) {
        const int decimals = std::max(0, static_cast<int>(s.digits.size()) - 1 - s.exponent);
        const FixedDigits f = fixedDigits(std::fabs(value), decimals);
        out += f.integer.empty() ? "0" : f.integer;
        if (!f.fraction.empty())
            out += ',' + f.fraction;
        return out;
    }
    out += s.digits.front();
    if (s.digits.size() > 1)
        out += ',' + s.digits.substr(1);
    out += 'E';
    appendPadded(out, s.exponent, 1);
    return out;
}

std::optional<double> parseNumber(std::string_view text) {
    const std::string_view s = trim(text);
    std::string ascii;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ascii += s[i++] == '-' ? "-" : "";
    const std::size_t intStart = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    std::string_view whole = s.substr(intStart, i - intStart), frac;
    if (i < s.size() && s[i] == ',') {
        const std::size_t fracStart = ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        frac = s.substr(fracStart, i - fracStart);
    }
    if (whole.empty() && frac.empty())
        return std::nullopt;
    ascii += whole.empty() ? "0" : whole;
    if (!frac.empty())
        ascii.append(".").append(frac);
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ascii += 'e';
        if (++i < s.size() && (s[i] == '+' || s[i] == '-'))
            ascii += s[i++];
        const std::size_t expStart = i;
        while (i < s.size() && isDigit(s[i]))
            ascii += s[i++];
        if (i == expStart)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    double value = 0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseInteger(std::string_view text, std::int64_t min, std::int64_t max) {
    std::string_view s = trim(text);
    const bool plus = !s.empty() && s.front() == '+';
    if (plus)
        s.remove_prefix(1); // from_chars takes '-' but not '+'
    const std::string_view digits = !plus && !s.empty() && s.front() == '-' ? s.substr(1) : s;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    std::int64_t value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

std::string formatDate(DateTime value) {
    if (value.days == 0.0 || !inCalendar(value))
        return {};
    const CivilDate d = datePart(value);
    if (!isValidCivilDate(d))
        return {};
    std::string out;
    appendDate(out, d);
    return out;
}

std::string formatDateTime(DateTime value) {
    std::string out = formatDate(value);
    if (out.empty())
        return out;
    out.push_back(' ');
    appendTime(out, timePart(value));
    return out;
}

std::string formatTime(DateTime value) {
    if (!inCalendar(value))
        return {};
    std::string out;
    appendTime(out, timePart(value));
    return out;
}

std::optional<DateTime> parseDate(std::string_view text) {
    Scanner sc(trim(text));
    const auto d = scanDate(sc);
    if (!d || !sc.atEnd())
        return std::nullopt;
    return makeDateTime(*d);
}

std::optional<DateTime> parseDateTime(std::string_view text) {
    Scanner sc(trim(text));
    const auto d = scanDate(sc);
    if (!d)
        return std::nullopt;
    if (sc.atEnd())
        return makeDateTime(*d);
    if (!sc.skipBlanks())
        return std::nullopt;
    const auto t = scanTime(sc);
    if (!t || !sc.atEnd())
        return std::nullopt;
    return makeDateTime(*d, *t);
}

std::optional<DateTime> parseTime(std::string_view text) {
    Scanner sc(trim(text));
    const auto t = scanTime(sc);
    if (!t || !sc.atEnd())
        return std::nullopt;
    return makeDateTime(CivilDate{}, *t);
}

} // namespace vq
