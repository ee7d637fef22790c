#pragma once
// The system ANSI code page: the encoding of text files without a byte-order
// mark. Windows uses the code page the system is set to; the host build
// stands in Windows-1252.
#include <string>
#include <string_view>

namespace rtl {

// UTF-8 text to bytes of the ANSI code page. A character the code page lacks
// becomes the code page's replacement character ("?" in 1252); it is never
// swapped for a look-alike.
std::string Utf8ToAnsi(std::string_view utf8);
// Bytes of the ANSI code page to UTF-8. In 1252 every byte has a character,
// so the bytes come back unchanged through Utf8ToAnsi.
std::string AnsiToUtf8(std::string_view bytes);

} // namespace rtl
