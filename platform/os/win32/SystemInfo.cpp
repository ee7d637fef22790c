#include "platform/os/SystemInfo.h"

#include <windows.h>

namespace os {

namespace {
OSVERSIONINFOW Query()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    // Deprecated, but it is what reports the version the manifest claims
    // support for, which is the one the rest of Windows behaves as.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return info;
}
} // namespace

PlatformFamily GetPlatformFamily()
{
    switch (Query().dwPlatformId) {
    case VER_PLATFORM_WIN32s: return PlatformFamily::Win32s;
    case VER_PLATFORM_WIN32_WINDOWS: return PlatformFamily::Windows9x;
    default: return PlatformFamily::WindowsNT;
    }
}

std::uint32_t GetMajorVersion() { return Query().dwMajorVersion; }

} // namespace os
