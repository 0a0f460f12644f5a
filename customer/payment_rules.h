#pragma once
// Qt-free rules of the customer's payment and collection terms: the adjustment month's stored values, the
// terms' percentages and days, the range of fine and interest, the validity limits and the key filters of
// the payment fields.

#include "platform/data/date_time.h"

#include <span>
#include <string>
#include <string_view>

namespace vq::customer {

// Adjustment month NRMESREAJCLIE: "01" to "12", shown as the month names of the combo box, in order.
std::span<const std::string_view> adjustmentMonthNames();
// The month name of a stored value; "" for anything but "01" to "12".
std::string adjustmentMonthName(std::string_view stored);
// The stored value of combo item `index` (0 to 11); "" for any other index.
std::string adjustmentMonthCode(int index);

// A schedule of terms is complete when its percentages add up to 100. The sum of decimal fractions is
// not exact in double precision (10,1 + 66,6 + 23,3 gives 99.99999999999999), so it is compared within
// kPercentTolerance.
inline constexpr double kPercentTolerance = 0.000001;
bool percentagesComplete(std::span<const double> percentages);

// One term's percentage: above 0 and at most 100.
enum class PercentFault { None, NotAboveZero, AboveHundred };
PercentFault percentFault(double percent);

// Whether `days` is among the days of the other terms.
bool dayTaken(std::span<const double> otherDays, double days);

// Fine and daily interest: 0 to 100.
enum class RangeFault { None, Below, Above };
RangeFault collectionRateFault(double percent);

// Validity limits: at most 180 days, a date at most 180 days after today (compared by day).
inline constexpr int kMaxValidityDays = 180;
bool validityDaysTooMany(double days);
bool validityDateTooLate(DateTime date, DateTime today);

// Key filters (the key as OnKeyPress sees it; 8 backspace, 9 tab, 13 carriage return).
// The terms grid: in the days column every key but the comma; in the others backspace, tab, carriage
// return, codes 37 to 40, the comma and digits.
bool termKeyAccepted(char16_t key, bool daysColumn);
// Months of default before blocking: the same set without the comma.
bool defaultMonthsKeyAccepted(char16_t key);
// Payment modality code: backspace and digits.
bool modalityKeyAccepted(char16_t key);

} // namespace vq::customer
