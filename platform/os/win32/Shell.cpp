#include "platform/os/Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/rtl/win32/WideText.h"

namespace os {

int ShellOpen(WindowHandle owner, const std::string& file, const std::string& parameters)
{
    const std::wstring wideFile = rtl::win32::Widen(file);
    const std::wstring wideParams = rtl::win32::Widen(parameters);
    const HINSTANCE result = ShellExecuteW(reinterpret_cast<HWND>(owner), L"open", wideFile.c_str(),
                                           parameters.empty() ? nullptr : wideParams.c_str(), nullptr, SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

} // namespace os
