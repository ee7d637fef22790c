#pragma once
// Text at the Windows API boundary: the program's UTF-8 to the API's UTF-16.
#include <string>
#include <string_view>

#include "platform/rtl/Utf.h"

namespace rtl::win32 {

inline std::wstring Widen(std::string_view utf8)
{
    const std::u16string w = Utf8ToUtf16(utf8);
    return std::wstring(w.begin(), w.end());
}

inline std::string Narrow(std::wstring_view wide)
{
    return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

} // namespace rtl::win32
