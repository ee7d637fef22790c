#include "platform/os/SystemError.h"

#include <cerrno>
#include <cstring>

#include "platform/rtl/StrUtils.h"

namespace os {

std::uint32_t LastError() { return static_cast<std::uint32_t>(errno); }
void SetLastError(std::uint32_t code) { errno = static_cast<int>(code); }

std::string SysErrorMessage(std::uint32_t code)
{
    char buf[256];
    // The GNU strerror_r may return a static text instead of filling buf.
    const char* text = strerror_r(static_cast<int>(code), buf, sizeof buf);
    std::string s = rtl::TrimRight(text);
    while (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

} // namespace os
