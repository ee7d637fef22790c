#include "platform/os/SystemError.h"

#include <windows.h>

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/win32/WideText.h"

namespace os {

std::uint32_t LastError() { return ::GetLastError(); }
void SetLastError(std::uint32_t code) { ::SetLastError(code); }

std::string SysErrorMessage(std::uint32_t code)
{
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (n > 0 && buffer) text = rtl::win32::Narrow(std::wstring_view(buffer, n));
    if (buffer) LocalFree(buffer);
    text = rtl::TrimRight(text);
    while (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

} // namespace os
