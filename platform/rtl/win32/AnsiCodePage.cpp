#include "platform/rtl/AnsiCodePage.h"

#include <windows.h>

#include <climits>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/win32/WideText.h"

namespace rtl {

namespace {

int CheckedLength(size_t size)
{
    if (size > size_t(INT_MAX)) throw EConvertError("Text too long for the ANSI code page conversion");
    return int(size);
}

[[noreturn]] void ConversionFailed()
{
    throw EConvertError("ANSI code page conversion failed (error " + std::to_string(GetLastError()) + ")");
}

} // namespace

std::string Utf8ToAnsi(std::string_view utf8)
{
    const std::wstring wide = win32::Widen(utf8);
    if (wide.empty()) return {};
    const int wideLen = CheckedLength(wide.size());
    // No best fit: a character the code page lacks must not turn into a
    // different one (U+2215 into "/" would change what a path means).
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int n = WideCharToMultiByte(CP_ACP, flags, wide.data(), wideLen, nullptr, 0, nullptr, nullptr);
    if (n <= 0) ConversionFailed();
    std::string out(size_t(n), '\0');
    if (WideCharToMultiByte(CP_ACP, flags, wide.data(), wideLen, out.data(), n, nullptr, nullptr) != n)
        ConversionFailed();
    return out;
}

std::string AnsiToUtf8(std::string_view bytes)
{
    if (bytes.empty()) return {};
    const int len = CheckedLength(bytes.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), len, nullptr, 0);
    if (n <= 0) ConversionFailed();
    std::wstring wide(size_t(n), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, bytes.data(), len, wide.data(), n) != n) ConversionFailed();
    return win32::Narrow(wide);
}

} // namespace rtl
