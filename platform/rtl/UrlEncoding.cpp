#include "platform/rtl/UrlEncoding.h"

#include <cstring>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf.h"

namespace rtl {

namespace {
bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           (c != 0 && std::strchr("*@._-$!'()", c) != nullptr);
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

std::string TURLEncoding::Encode(std::string_view text)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c)) {
            out += ch;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string TURLEncoding::Decode(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            bytes += ' ';
        } else if (c != '%') {
            bytes += c;
        } else if (i + 1 < text.size() && text[i + 1] == '%') {
            bytes += '%';
            ++i;
        } else {
            const int hi = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
            const int lo = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
            if (hi < 0 || lo < 0)
                throw EConvertError("Invalid URL encoded character (" + std::string(text.substr(i, 3)) +
                                    ") at position " + std::to_string(i));
            bytes += static_cast<char>(hi * 16 + lo);
            i += 2;
        }
    }
    // Normalise what is not valid UTF-8.
    return Utf16ToUtf8(Utf8ToUtf16(bytes));
}

} // namespace rtl
