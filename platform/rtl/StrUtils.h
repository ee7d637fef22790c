#pragma once
// Small text helpers the program uses in several layers. Case rules are the
// ASCII ones: every name the program compares is plain ASCII.
#include <string>
#include <string_view>

namespace rtl {

char AsciiUpper(char c);
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
bool StartsText(std::string_view prefix, std::string_view s);
// Removes leading and trailing blanks and control characters (<= ' ').
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
// Replaces every occurrence of `from`, compared without regard to case.
std::string ReplaceTextIgnoreCase(std::string_view s, std::string_view from, std::string_view to);
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);

} // namespace rtl
