#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

TEST(StrUtilsTest, CaseAndTrim)
{
    EXPECT_TRUE(rtl::SameText("FileCount", "FILECOUNT"));
    EXPECT_FALSE(rtl::SameText("FILE1", "FILE10"));
    EXPECT_EQ(rtl::Trim(" \t x y \r\n"), "x y");
    EXPECT_EQ(rtl::ReplaceTextIgnoreCase("%s Updater for %S", "%s", "StaveMark\xC2\xAE Express"),
              "StaveMark\xC2\xAE Express Updater for StaveMark\xC2\xAE Express");
}

TEST(StrUtilsTest, PrefixKeepsTheErrorClass)
{
    try {
        rtl::WithErrorPrefix("outer: ", [] { throw rtl::EOSError("inner", 5); });
        FAIL();
    } catch (const rtl::EOSError& e) {
        EXPECT_EQ(e.Message, "outer: inner");
        EXPECT_EQ(e.ErrorCode, 5u);
    }
    EXPECT_EQ(rtl::WithErrorPrefix("p", [] { return 3; }), 3);
}
