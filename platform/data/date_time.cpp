#include "platform/data/date_time.h"

#include <cmath>

namespace vq {

namespace {
// Days from 1970-01-01 (H. Hinnant's algorithm), then shifted to the 1899-12-30 epoch.
constexpr std::int64_t kEpochShift = 25569; // 1899-12-30 -> 1970-01-01

std::int64_t daysFromUnixCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
} // namespace

bool isValidCivilDate(const CivilDate& d) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    const int max = kDays[d.month - 1] + (d.month == 2 && isLeap(d.year) ? 1 : 0);
    return d.day <= max;
}

std::int64_t daysFromCivil(const CivilDate& d) {
    return daysFromUnixCivil(d.year, static_cast<unsigned>(d.month), static_cast<unsigned>(d.day)) +
           kEpochShift;
}

CivilDate civilFromDays(std::int64_t days) {
    const std::int64_t z = days - kEpochShift + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

DateTime makeDateTime(const CivilDate& d, const CivilTime& t) {
    const double day = static_cast<double>(daysFromCivil(d));
    const double frac = (t.hour * 3600000.0 + t.minute * 60000.0 + t.second * 1000.0 + t.millisecond) / 86400000.0;
    // Before the epoch the fraction still counts forward from midnight (classic encoding).
    return {day >= 0 ? day + frac : day - frac};
}

namespace {
// Whole day and milliseconds into it, rounding to the millisecond first so 23:59:59.9995 rolls over.
void split(DateTime dt, std::int64_t& day, std::int64_t& ms) {
    // Outside years 1..9999 (or not a number) there is no calendar date: read it as the zero date rather
    // than converting an unrepresentable value.
    constexpr double kFirst = -693593.0, kLast = 2958466.0;
    if (!std::isfinite(dt.days) || dt.days < kFirst || dt.days >= kLast) {
        day = 0;
        ms = 0;
        return;
    }
    const double whole = std::trunc(dt.days);
    const double frac = std::fabs(dt.days - whole);
    day = static_cast<std::int64_t>(whole);
    ms = std::llround(frac * 86400000.0);
    if (ms >= 86400000) {
        ms -= 86400000;
        day += dt.days >= 0 ? 1 : -1;
    }
}
} // namespace

CivilDate datePart(DateTime dt) {
    std::int64_t day = 0, ms = 0;
    split(dt, day, ms);
    return civilFromDays(day);
}

CivilTime timePart(DateTime dt) {
    std::int64_t day = 0, ms = 0;
    split(dt, day, ms);
    return {static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60),
            static_cast<int>(ms % 1000)};
}

} // namespace vq
