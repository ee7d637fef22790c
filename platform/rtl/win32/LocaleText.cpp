#include "platform/rtl/LocaleText.h"

#include <windows.h>

#include "platform/rtl/win32/WideText.h"

namespace rtl::backend {

namespace {
SYSTEMTIME ToSystemTime(const DateTimeParts& p)
{
    SYSTEMTIME st{};
    st.wYear = WORD(p.Year);
    st.wMonth = WORD(p.Month);
    st.wDay = WORD(p.Day);
    st.wHour = WORD(p.Hour);
    st.wMinute = WORD(p.Minute);
    st.wSecond = WORD(p.Second);
    st.wMilliseconds = WORD(p.Millisecond);
    return st;
}
} // namespace

DateTimeParts LocalNow()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::string ShortDateText(const DateTimeParts& p)
{
    const SYSTEMTIME st = ToSystemTime(p);
    wchar_t buf[128];
    const int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buf, 128);
    return n > 0 ? win32::Narrow(std::wstring_view(buf, size_t(n - 1))) : std::string();
}

std::string LongTimeText(const DateTimeParts& p)
{
    const SYSTEMTIME st = ToSystemTime(p);
    wchar_t buf[128];
    const int n = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buf, 128);
    return n > 0 ? win32::Narrow(std::wstring_view(buf, size_t(n - 1))) : std::string();
}

} // namespace rtl::backend
