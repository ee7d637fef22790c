#pragma once
// The one registry read the program makes: an integer under HKEY_LOCAL_MACHINE.
#include <cstdint>
#include <memory>
#include <string>

namespace os {

class RegistryKey {
public:
    // Opens HKEY_LOCAL_MACHINE\path for reading; nullptr when it cannot be
    // opened (always so where there is no registry).
    static std::unique_ptr<RegistryKey> OpenLocalMachineReadOnly(const std::string& path);
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Raises rtl::ERegistryException when the value is missing or is not a
    // 32-bit integer.
    std::int32_t ReadInteger(const std::string& name) const;

private:
    explicit RegistryKey(void* key) : key_(key) {}
    void* key_;
};

} // namespace os
