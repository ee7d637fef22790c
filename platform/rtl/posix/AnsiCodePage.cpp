#include "platform/rtl/AnsiCodePage.h"

#include <array>

#include "platform/rtl/Utf.h"

namespace rtl {

namespace {

// Windows-1252 bytes 0x80-0x9F. The five bytes 1252 leaves undefined map to
// the C1 controls of the same number, as Windows' own conversion does, so
// every byte survives a round trip.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char kReplacement = '?';

char ToAnsiByte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return char(cp);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return char(0x80 + i);
    return kReplacement;
}

} // namespace

std::string Utf8ToAnsi(std::string_view utf8)
{
    const std::u16string wide = Utf8ToUtf16(utf8);
    std::string out;
    out.reserve(wide.size());
    // Unit by unit, as Windows converts: a character beyond U+FFFF (a
    // surrogate pair) becomes two replacement characters.
    for (const char16_t c : wide) out += ToAnsiByte(c);
    return out;
}

std::string AnsiToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const unsigned char b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            AppendUtf8(out, kHigh[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

} // namespace rtl
