#include "platform/os/SystemError.h"

#include "platform/rtl/Exceptions.h"

namespace os {

void RaiseOSError(std::uint32_t code)
{
    if (code == 0) throw rtl::EOSError("A call to an OS function failed", 0);
    throw rtl::EOSError("System Error.  Code: " + std::to_string(code) + ".\r\n" + SysErrorMessage(code), code);
}

void RaiseLastOSError() { RaiseOSError(LastError()); }

} // namespace os
