#include "platform/os/Registry.h"

#include <windows.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/win32/WideText.h"

namespace os {

std::unique_ptr<RegistryKey> RegistryKey::OpenLocalMachineReadOnly(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, rtl::win32::Widen(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    return std::unique_ptr<RegistryKey>(new RegistryKey(key));
}

RegistryKey::~RegistryKey() { RegCloseKey(static_cast<HKEY>(key_)); }

std::int32_t RegistryKey::ReadInteger(const std::string& name) const
{
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG rc = RegQueryValueExW(static_cast<HKEY>(key_), rtl::win32::Widen(name).c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(&value), &size);
    if (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA) throw rtl::ERegistryException("Failed to get data for '" + name + "'");
    if (rc == ERROR_MORE_DATA || type != REG_DWORD || size != sizeof value)
        throw rtl::ERegistryException("Invalid data type for '" + name + "'");
    return static_cast<std::int32_t>(value);
}

} // namespace os
