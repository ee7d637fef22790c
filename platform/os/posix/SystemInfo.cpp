#include "platform/os/SystemInfo.h"

namespace os {

// The host counts as a current NT-family system: nothing refuses to run and
// nothing there asks for the registry.
PlatformFamily GetPlatformFamily() { return PlatformFamily::WindowsNT; }
std::uint32_t GetMajorVersion() { return 10; }

} // namespace os
