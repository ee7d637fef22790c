#include "platform/rtl/DateTime.h"

#include <cmath>

#include "platform/rtl/LocaleText.h"

namespace rtl {

namespace {
constexpr std::int64_t kMsPerDay = 86400000;

// Days between 1970-01-01 and a civil date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

const std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);
} // namespace

TDateTime EncodeDateTime(const DateTimeParts& p)
{
    const std::int64_t days = DaysFromCivil(p.Year, unsigned(p.Month), unsigned(p.Day)) - kEpochOffset;
    const std::int64_t ms = ((std::int64_t(p.Hour) * 60 + p.Minute) * 60 + p.Second) * 1000 + p.Millisecond;
    return double(days) + double(ms) / double(kMsPerDay);
}

DateTimeParts DecodeDateTime(TDateTime value)
{
    // Whole milliseconds, so that 12:00:00.000 does not come back as 11:59:59.999.
    std::int64_t total = std::llround(value * double(kMsPerDay));
    std::int64_t days = total / kMsPerDay;
    std::int64_t ms = total % kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        --days;
    }
    DateTimeParts p;
    CivilFromDays(days + kEpochOffset, p.Year, p.Month, p.Day);
    p.Millisecond = int(ms % 1000);
    p.Second = int(ms / 1000 % 60);
    p.Minute = int(ms / 60000 % 60);
    p.Hour = int(ms / 3600000);
    return p;
}

TDateTime Now() { return EncodeDateTime(backend::LocalNow()); }

std::string DateTimeToStr(TDateTime value)
{
    const DateTimeParts p = DecodeDateTime(value);
    std::string text = backend::ShortDateText(p);
    if (p.Hour != 0 || p.Minute != 0 || p.Second != 0 || p.Millisecond != 0) text += " " + backend::LongTimeText(p);
    return text;
}

} // namespace rtl
