#include "customer/payment_rules.h"

#include <cmath>

namespace vq::customer {

namespace {

constexpr std::string_view kMonths[] = {"Janeiro",  "Fevereiro", "Março",    "Abril",
                                        "Maio",     "Junho",     "Julho",    "Agosto",
                                        "Setembro", "Outubro",   "Novembro", "Dezembro"};

bool digit(char16_t key) {
    return key >= u'0' && key <= u'9';
}

// Backspace, tab, carriage return and the four characters 37 to 40.
bool controlOrSign(char16_t key) {
    return key == 8 || key == 9 || key == 13 || (key >= 37 && key <= 40);
}

} // namespace

std::span<const std::string_view> adjustmentMonthNames() {
    return kMonths;
}

std::string adjustmentMonthName(std::string_view stored) {
    for (int i = 0; i < 12; ++i)
        if (stored == adjustmentMonthCode(i))
            return std::string(kMonths[i]);
    return {};
}

std::string adjustmentMonthCode(int index) {
    if (index < 0 || index > 11)
        return {};
    const int month = index + 1;
    return std::string{static_cast<char>('0' + month / 10), static_cast<char>('0' + month % 10)};
}

bool percentagesComplete(std::span<const double> percentages) {
    double sum = 0;
    for (double p : percentages)
        sum += p;
    return std::fabs(sum - 100.0) <= kPercentTolerance;
}

PercentFault percentFault(double percent) {
    if (!(percent > 0))
        return PercentFault::NotAboveZero;
    if (percent > 100)
        return PercentFault::AboveHundred;
    return PercentFault::None;
}

bool dayTaken(std::span<const double> otherDays, double days) {
    for (double d : otherDays)
        if (d == days)
            return true;
    return false;
}

RangeFault collectionRateFault(double percent) {
    if (percent < 0)
        return RangeFault::Below;
    if (percent > 100)
        return RangeFault::Above;
    return RangeFault::None;
}

bool validityDaysTooMany(double days) {
    return days > kMaxValidityDays;
}

bool validityDateTooLate(DateTime date, DateTime today) {
    return std::floor(date.days) > std::floor(today.days) + kMaxValidityDays;
}

bool termKeyAccepted(char16_t key, bool daysColumn) {
    // The days column only drops the comma; anything else typed there meets the field's conversion.
    if (daysColumn)
        return key != u',';
    return controlOrSign(key) || key == u',' || digit(key);
}

bool defaultMonthsKeyAccepted(char16_t key) {
    return controlOrSign(key) || digit(key);
}

bool modalityKeyAccepted(char16_t key) {
    return key == 8 || digit(key);
}

} // namespace vq::customer
