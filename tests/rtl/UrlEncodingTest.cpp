#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/UrlEncoding.h"

using rtl::TURLEncoding;

TEST(UrlEncodingTest, EncodesFormValues)
{
    const struct {
        const char* plain;
        const char* encoded;
    } cases[] = {
        {"", ""},
        {"AZaz09*@._-$!'()", "AZaz09*@._-$!'()"},
        {"a b", "a+b"},
        {"x+y/z=", "x%2By%2Fz%3D"},
        {"100%&~#", "100%25%26%7E%23"},
        {"\r\n", "%0D%0A"},
        {"StaveMark\xC2\xAE", "StaveMark%C2%AE"},
        {"\xE2\x82\xAC", "%E2%82%AC"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TURLEncoding::Encode(c.plain), c.encoded) << c.plain;
        EXPECT_EQ(TURLEncoding::Decode(c.encoded), c.plain) << c.encoded;
    }
}

TEST(UrlEncodingTest, DecodesTheRuntimeQuirks)
{
    EXPECT_EQ(TURLEncoding::Decode("50%%+off"), "50% off");
    EXPECT_EQ(TURLEncoding::Decode("%c2%ae"), "\xC2\xAE");
    // A lone byte that is not UTF-8 becomes the replacement character.
    EXPECT_EQ(TURLEncoding::Decode("%FF"), "\xEF\xBF\xBD");
}

TEST(UrlEncodingTest, MalformedEscapesRaise)
{
    for (const char* bad : {"%", "%4", "%G0", "abc%2", "%0G"})
        EXPECT_THROW(TURLEncoding::Decode(bad), rtl::EConvertError) << bad;
}
