#pragma once
// Which system we run on.
#include <cstdint>

namespace os {

enum class PlatformFamily { Win32s = 0, Windows9x = 1, WindowsNT = 2 };

PlatformFamily GetPlatformFamily();
// Major version number as the system reports it (6 = Vista/7, 10 = 10/11).
std::uint32_t GetMajorVersion();

} // namespace os
