#pragma once
// Date-times as days since 1899-12-30 with the time of day as the fraction; zero is the zero date.

#include <compare>
#include <cstdint>

namespace vq {

struct DateTime {
    double days = 0.0;
    auto operator<=>(const DateTime&) const = default;
};

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    auto operator<=>(const CivilDate&) const = default;
};

struct CivilTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Proleptic Gregorian calendar; valid for years 1..9999.
bool isValidCivilDate(const CivilDate& d);
std::int64_t daysFromCivil(const CivilDate& d); // day number relative to 1899-12-30
CivilDate civilFromDays(std::int64_t days);

DateTime makeDateTime(const CivilDate& d, const CivilTime& t = {});
CivilDate datePart(DateTime dt);
CivilTime timePart(DateTime dt); // rounded to the millisecond

} // namespace vq
