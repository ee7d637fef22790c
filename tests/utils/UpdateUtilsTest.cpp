#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "utils/UpdateUtils.h"

using utils::TFileVerRec;

namespace {
using Parts = std::array<std::uint16_t, 4>;

Parts Parse(const std::string& text)
{
    TFileVerRec rec;
    rec.VersionStr = text;
    utils::ParseVersionStr(rec);
    EXPECT_EQ(rec.VersionStr, text) << "the text stays as it was";
    return rec.Version;
}

TFileVerRec Text(const std::string& text)
{
    TFileVerRec rec;
    rec.VersionStr = text;
    return rec;
}
} // namespace

TEST(UpdateUtilsTest, SafeStrToIntKeepsTheLow16Bits)
{
    const struct {
        const char* text;
        std::uint16_t value;
    } cases[] = {{"0", 0}, {"5", 5}, {"65535", 65535}, {"65536", 0}, {"65537", 1}, {"70000", 4464}, {"-1", 65535},
                 {"$FFFF", 65535}, {" 12", 12}, {"", 0}, {"x", 0}, {"1a", 0}, {"2147483648", 0}, {"12 ", 0}};
    for (const auto& c : cases) EXPECT_EQ(utils::SafeStrToInt(c.text), c.value) << c.text;
}

TEST(UpdateUtilsTest, ParseVersionStrFillsFromTheFrontAndEndsInTheLast)
{
    const struct {
        const char* text;
        Parts parts;
    } cases[] = {
        {"1.2.3.4", {1, 2, 3, 4}},     {"1.2", {1, 0, 0, 2}},         {"7", {0, 0, 0, 7}},
        {"1.2.3.", {1, 2, 3, 0}},      {"1.2.3.4.5", {1, 2, 3, 5}},   {"1.x.3.4", {1, 0, 3, 4}},
        {"", {0, 0, 0, 0}},            {"1.65537", {1, 0, 0, 1}},     {"1.10", {1, 0, 0, 10}},
        {"2.2.2.5", {2, 2, 2, 5}},     {"....", {0, 0, 0, 0}},        {"1.2.3.4.5.6.7.8", {1, 2, 3, 8}},
        {"9.8.7.6.", {9, 8, 7, 6}},    {"1.2.3.4.5.", {1, 2, 3, 5}},  {" 1. 2", {1, 0, 0, 2}},
    };
    for (const auto& c : cases) EXPECT_EQ(Parse(c.text), c.parts) << c.text;
}

TEST(UpdateUtilsTest, IsVersionNewerComparesPartsAsNumbers)
{
    const struct {
        const char* a;
        const char* b;
        bool newer;
    } cases[] = {
        {"1.2.3.10", "1.2.3.9", true}, {"1.2.3.9", "1.2.3.10", false}, {"1.2.3.4", "1.2.3.4", false},
        {"1.10", "1.9.0.0", false},    {"1.9.0.0", "1.10", true},      {"2.0.0.0", "1.65535.65535.65535", true},
        {"", "0.0.0.0", false},        {"0.0.0.1", "", true},          {"1.65537", "1.0.0.1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(utils::IsVersionNewer(Text(c.a), Text(c.b)), c.newer) << c.a << " vs " << c.b;
}

TEST(UpdateUtilsTest, EmptyTextMeansTheNumbersCount)
{
    TFileVerRec numbers;
    numbers.Version = {2, 0, 0, 0};
    TFileVerRec text = Text("1.9.9.9");
    text.Version = {9, 9, 9, 9}; // ignored: the text decides
    EXPECT_TRUE(utils::IsVersionNewer(numbers, text));
    EXPECT_FALSE(utils::IsVersionNewer(text, numbers));
    EXPECT_EQ(text.Version, (Parts{9, 9, 9, 9})) << "the caller's record is not changed";
}

TEST(UpdateUtilsTest, GetFileVersionReadsTheFixedFileVersion)
{
    const struct {
        const char* fixture;
        const char* text;
        Parts parts;
    } cases[] = {
        {"ver1234.dll", "1.2.3.4", {1, 2, 3, 4}},
        {"ver10019041.dll", "10.0.19041.1", {10, 0, 19041, 1}},
        {"vermax.dll", "65535.65535.65535.65535", {65535, 65535, 65535, 65535}},
        {"noversion.dll", "0.0.0.0", {0, 0, 0, 0}},
        {"missing.dll", "0.0.0.0", {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        std::string text = "stale";
        const TFileVerRec rec = utils::GetFileVersion(testsupport::FixturePath(c.fixture), text);
        EXPECT_EQ(text, c.text) << c.fixture;
        EXPECT_EQ(rec.Version, c.parts) << c.fixture;
        EXPECT_TRUE(rec.VersionStr.empty());
    }
}

TEST(UpdateUtilsTest, GetFileVersionOfBrokenFilesIsZero)
{
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir.File("text.exe"), "MZ but then just some text\r\n");
    const std::string whole = testsupport::ReadBytes(testsupport::FixturePath("ver1234.dll"));
    testsupport::WriteBytes(dir.File("truncated.dll"), whole.substr(0, whole.size() / 2));
    testsupport::WriteBytes(dir.File("empty.dll"), "");
    for (const char* name : {"text.exe", "truncated.dll", "empty.dll"}) {
        std::string text;
        EXPECT_EQ(utils::GetFileVersion(dir.File(name), text).Version, (Parts{0, 0, 0, 0})) << name;
        EXPECT_EQ(text, "0.0.0.0") << name;
    }
}

TEST(UpdateUtilsTest, IsFileVersionAtLeast)
{
    const std::string v1234 = testsupport::FixturePath("ver1234.dll");
    const std::string missing = testsupport::FixturePath("missing.dll");
    const struct {
        const std::string* file;
        const char* version;
        bool atLeast;
    } cases[] = {
        {&v1234, "1.2.3.4", true},  {&v1234, "1.2.3.3", true},  {&v1234, "1.2.3.5", false},
        {&v1234, "1.10", true},     {&v1234, "2", true},        {&v1234, "1.3", true},
        {&v1234, "1.3.0.0", false}, {&v1234, "", true},         {&missing, "", true},
        {&missing, "0.0.0.0", true}, {&missing, "0.0.0.1", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utils::IsFileVersionAtLeast(*c.file, c.version), c.atLeast) << *c.file << " >= " << c.version;
}
