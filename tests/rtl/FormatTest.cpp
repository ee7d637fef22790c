#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

using rtl::Format;

TEST(FormatTest, FormsTheProgramUses)
{
    EXPECT_EQ(Format("%d.%d.%d.%d", {10, 0, 19041, 1}), "10.0.19041.1");
    EXPECT_EQ(Format("%d.%d.%d.%d", {65535u, 0, 0, 7}), "65535.0.0.7");
    EXPECT_EQ(Format("%.4x%.4x", {0x409, 1200}), "040904B0");
    EXPECT_EQ(Format("%.8X", {0x0FFFFFF6}), "0FFFFFF6");
    EXPECT_EQ(Format("temp%d.ini", {99998}), "temp99998.ini");
    EXPECT_EQ(Format("Update error: %s", {"boom"}), "Update error: boom");
    EXPECT_EQ(Format("'%s' is %d%%", {std::string("x"), -5}), "'x' is -5%");
    EXPECT_EQ(Format("[%5d|%-5s|%.2s]", {42, "ab", "xyz"}), "[   42|ab   |xy]");
    EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
    EXPECT_EQ(Format("%.3d", {-7}), "-007");
    EXPECT_EQ(Format("no placeholders", {}), "no placeholders");
}

TEST(FormatTest, MismatchRaisesConversionError)
{
    for (auto call : {+[] { Format("%d", {"text"}); }, +[] { Format("%s", {1}); }, +[] { Format("%s %s", {"a"}); },
                      +[] { Format("%q", {1}); }, +[] { Format("ends with %", {}); }})
        EXPECT_THROW(call(), rtl::EConvertError);
}
