#pragma once
// Text files by the byte-order-mark rule: a UTF-8 or UTF-16 mark says the
// encoding, no mark means the ANSI code page. Text comes back as UTF-8 with
// the encoding found, so it can be written back the same way.
#include <optional>
#include <string>
#include <string_view>

namespace rtl {

enum class TextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

struct TextContent {
    std::string Text; // UTF-8, without the mark
    TextEncoding Encoding = TextEncoding::Ansi;
};

// The file's bytes to text. Never fails: a UTF-16 file with an odd byte at
// the end gets U+FFFD for it.
TextContent DecodeText(std::string_view bytes);
// Text to the bytes of a file in `encoding`, with its mark for the Unicode
// ones.
std::string EncodeText(std::string_view utf8, TextEncoding encoding);

// Raises EFOpenError when the file cannot be opened, EInOutError when
// reading it fails.
TextContent ReadTextFile(const std::string& path);
// As ReadTextFile, but nullopt when there is no such file (or folder).
std::optional<TextContent> ReadTextFileIfExists(const std::string& path);
// Replaces the file in one step: the text goes to a temporary file beside it,
// which then takes the file's place, so a failure leaves the old file as it
// was. Raises EFCreateError (cannot create or replace) or EInOutError
// (writing failed).
void WriteTextFile(const std::string& path, std::string_view utf8, TextEncoding encoding);

} // namespace rtl
