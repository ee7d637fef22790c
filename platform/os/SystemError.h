#pragma once
// The system's error numbers and texts.
#include <cstdint>
#include <string>

namespace os {

// The calling thread's last error (GetLastError / errno).
std::uint32_t LastError();
void SetLastError(std::uint32_t code);
// The system's text for an error code, without trailing blanks or full stop.
std::string SysErrorMessage(std::uint32_t code);
// Raises rtl::EOSError for `code`: "System Error.  Code: N." + line break + text.
[[noreturn]] void RaiseOSError(std::uint32_t code);
[[noreturn]] void RaiseLastOSError();

} // namespace os
