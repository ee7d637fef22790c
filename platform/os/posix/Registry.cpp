#include "platform/os/Registry.h"

#include "platform/rtl/Exceptions.h"

namespace os {

// There is no registry here: no key can be opened.
std::unique_ptr<RegistryKey> RegistryKey::OpenLocalMachineReadOnly(const std::string&) { return nullptr; }

RegistryKey::~RegistryKey() = default;

std::int32_t RegistryKey::ReadInteger(const std::string& name) const
{
    throw rtl::ERegistryException("Failed to get data for '" + name + "'");
}

} // namespace os
