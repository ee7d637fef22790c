#pragma once
// Opening a file through the shell, as Explorer would, without waiting.
#include <cstdint>
#include <string>

namespace os {

using WindowHandle = std::uintptr_t;

// Opens `file` with the verb "open" and `parameters`, no working folder,
// normal window. Returns the shell's result: above 32 is success, otherwise
// an error number (2 = file not found); LastError() holds the reason.
int ShellOpen(WindowHandle owner, const std::string& file, const std::string& parameters);

} // namespace os
