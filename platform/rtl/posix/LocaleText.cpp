// The host has no user locale of Windows' kind: it writes dates and times as
// a fresh Windows installation in the United States does (and Wine here),
// so that log lines read the same on both targets.
#include "platform/rtl/LocaleText.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace rtl::backend {

DateTimeParts LocalNow()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour, local.tm_min, local.tm_sec, int(ms)};
}

std::string ShortDateText(const DateTimeParts& p)
{
    return std::to_string(p.Month) + "/" + std::to_string(p.Day) + "/" + std::to_string(p.Year);
}

std::string LongTimeText(const DateTimeParts& p)
{
    const int hour12 = p.Hour % 12 == 0 ? 12 : p.Hour % 12;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", hour12, p.Minute, p.Second, p.Hour < 12 ? "AM" : "PM");
    return buf;
}

} // namespace rtl::backend
