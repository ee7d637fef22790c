#include "platform/rtl/AnsiCodePage.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

// Both targets run these with code page 1252 (Wine under LC_ALL=C.UTF-8).
namespace {

// Test names CTest can carry: letters and digits, anything else as _XX.
std::string Slug(std::string_view s)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string r;
    for (const unsigned char c : s) {
        if (std::isalnum(c)) {
            r += char(c);
        } else {
            r += '_';
            r += hex[c >> 4];
            r += hex[c & 15];
        }
    }
    return r.empty() ? "empty" : r;
}

struct Mapping {
    const char* utf8;
    const char* ansi;
};

void PrintTo(const Mapping& m, std::ostream* os) { *os << Slug(m.ansi); }

class AnsiMapping : public testing::TestWithParam<Mapping> {};

TEST_P(AnsiMapping, ConvertsBothWays)
{
    const Mapping& m = GetParam();
    EXPECT_EQ(rtl::Utf8ToAnsi(m.utf8), m.ansi);
    EXPECT_EQ(rtl::AnsiToUtf8(m.ansi), m.utf8);
}

INSTANTIATE_TEST_SUITE_P(Cp1252, AnsiMapping,
    testing::Values(
        Mapping{"", ""},
        Mapping{"Plain ASCII 0-9 ~", "Plain ASCII 0-9 ~"},
        Mapping{"StaveMark\xC2\xAE", "StaveMark\xAE"},  // (R)
        Mapping{"\xE2\x82\xAC", "\x80"},                 // euro sign
        Mapping{"\xC5\xA0", "\x8A"},                     // S caron
        Mapping{"\xE2\x84\xA2", "\x99"},                 // trade mark
        Mapping{"\xC5\xB8", "\x9F"},                     // Y diaeresis
        Mapping{"\xC2\xA0\xC3\xA4\xC3\xBF", "\xA0\xE4\xFF"},
        // The five bytes 1252 leaves undefined stand for the C1 controls.
        Mapping{"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", "\x81\x8D\x8F\x90\x9D"}));

TEST(AnsiCodePage, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b) all += char(b);
    const std::string utf8 = rtl::AnsiToUtf8(all);
    EXPECT_EQ(rtl::Utf8ToAnsi(utf8), all);
}

TEST(AnsiCodePage, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    struct Case {
        const char* utf8;
        const char* ansi;
    };
    const Case cases[] = {
        {"A\xC4\x80Z", "A?Z"},           // A macron: no best-fit "A"
        {"a\xE2\x88\x95" "b", "a?b"},    // division slash: never a "/"
        {"\xE4\xB8\xAD\xE6\x96\x87", "??"},
        {"\xC2\x80", "?"},               // U+0080 has no byte; 0x80 is the euro
        {"x\xFFy", "x?y"},               // malformed UTF-8
        {"a\xF0\x9F\x98\x80z", "a??z"},   // beyond U+FFFF: one per UTF-16 unit, as Windows does
    };
    for (const Case& c : cases) EXPECT_EQ(rtl::Utf8ToAnsi(c.utf8), c.ansi) << c.utf8;
}

} // namespace
