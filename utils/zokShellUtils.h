#pragma once
// Starting a program and waiting for it; the User Account Control probe.
#include <cstdint>
#include <string>

namespace utils {

// Starts `commandLine` and waits until the program ends; returns its exit
// code. With `timeoutMs` above 0 a program still running after that long is
// killed and an error raised. A start failure raises the system's error with
// the command line in its message.
std::uint32_t ExecuteAndWait(const std::string& commandLine, std::int32_t timeoutMs);
// True when User Account Control is switched on (EnableLUA = 1).
bool IsUACEnabled();

} // namespace utils
