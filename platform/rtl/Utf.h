#pragma once
// UTF-8 (the program's text) to UTF-16 (files with a UTF-16 byte-order mark,
// the Windows API) and back. Malformed input never fails: each bad sequence
// becomes U+FFFD.
#include <string>
#include <string_view>

namespace rtl {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);

} // namespace rtl
