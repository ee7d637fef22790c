#include <gtest/gtest.h>

#include "platform/rtl/Convert.h"
#include "platform/rtl/Exceptions.h"

using rtl::TryStrToInt;

TEST(ConvertTest, AcceptsTheRuntimeForms)
{
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"0", 0}, {"42", 42}, {"  42", 42}, {"+7", 7}, {"-7", -7}, {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN}, {"$FF", 255}, {"$ff", 255}, {"xFF", 255}, {"0x10", 16}, {"0X10", 16},
        {"-$10", -16}, {"$FFFFFFFF", -1}, {"$80000000", INT32_MIN}, {"007", 7},
    };
    for (const auto& c : cases) {
        const auto v = TryStrToInt(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
    }
}

TEST(ConvertTest, RefusesEverythingElse)
{
    for (const char* text : {"", " ", "-", "+", "$", "0x", "12a", "42 ", "1.5", "2147483648", "-2147483649",
                             "$100000000", "--1", "\t1", "99999999999999999999"})
        EXPECT_FALSE(TryStrToInt(text).has_value()) << '"' << text << '"';
}

TEST(ConvertTest, StrToIntRaisesTheConversionError)
{
    EXPECT_EQ(rtl::StrToInt(" -12"), -12);
    try {
        rtl::StrToInt("abc");
        FAIL() << "no error";
    } catch (const rtl::EConvertError& e) {
        EXPECT_EQ(e.Message, "'abc' is not a valid integer value");
    }
}
