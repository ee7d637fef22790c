#pragma once
// The runtime's date-time type: days since 1899-12-30 00:00, the time of day
// as the fraction.
#include <cstdint>
#include <string>

namespace rtl {

using TDateTime = double;

struct DateTimeParts {
    int Year = 1899, Month = 12, Day = 30;
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

TDateTime EncodeDateTime(const DateTimeParts& parts);
DateTimeParts DecodeDateTime(TDateTime value);
// The current local date and time.
TDateTime Now();
// The default text of a date-time under the user's locale: the short date, a
// blank and the long time; only the date when the time is exactly midnight.
std::string DateTimeToStr(TDateTime value);

} // namespace rtl
