#pragma once
// Splitting a command line into arguments by the Windows rules, for systems
// whose process start takes an argument vector.
#include <string>
#include <string_view>
#include <vector>

namespace os {

// The first token is the program: up to the closing quote when it starts
// with one, else up to the first blank. The rest follow the C runtime's
// rules: blanks separate, quotes group, backslashes escape only before a
// quote.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

} // namespace os
