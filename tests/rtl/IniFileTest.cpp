#include "platform/rtl/IniFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string_view>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "support/TestSupport.h"

using namespace std::string_literals;
using rtl::TIniFile;

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

const std::string kSettings =
    "; comment=not a key\r\n"
    "top=before any section\r\n"
    "[General]\r\n"
    "Name = Stave Mark \r\n"
    "  Spaced Key  =  v  \r\n"
    "Empty=\r\n"
    "Dup=first\r\n"
    "Dup=second\r\n"
    "eq=a=b\r\n"
    "junk line\r\n"
    "\r\n"
    "[ Other ]\r\n"
    "Name=other\r\n"
    "; trailing comment\r\n"
    "[general]\r\n"
    "Late=yes\r\n"
    "Dup=third\r\n";

class IniFileTest : public testing::Test {
protected:
    std::string Bytes() const { return testsupport::ReadBytes(path); }

    testsupport::TempDir dir;
    std::string path = dir.File("settings.ini");
};

struct ReadCase {
    const char* section;
    const char* key;
    const char* expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << Slug(c.section) << "_" << Slug(c.key); }

class IniRead : public IniFileTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(IniRead, FindsKeysByTheFormatsRules)
{
    testsupport::WriteBytes(path, kSettings);
    const ReadCase& c = GetParam();
    EXPECT_EQ(TIniFile(path).ReadString(c.section, c.key, "<default>"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, IniRead,
    testing::Values(
        ReadCase{"General", "Name", "Stave Mark"},
        ReadCase{"GENERAL", "name", "Stave Mark"},
        ReadCase{"General", "Spaced Key", "v"},
        ReadCase{"General", "Empty", ""},        // present and empty is not the default
        ReadCase{"General", "Dup", "first"},
        ReadCase{"General", "eq", "a=b"},
        ReadCase{"General", "Late", "yes"},      // the section's second part
        ReadCase{"other", "NAME", "other"},
        ReadCase{"General", "junk line", "<default>"},
        ReadCase{"General", "; comment", "<default>"},
        ReadCase{"", "top", "<default>"},
        ReadCase{"General", "Missing", "<default>"},
        ReadCase{"Missing", "Name", "<default>"}));

TEST_F(IniFileTest, ReadIntegerFallsBackToTheDefault)
{
    testsupport::WriteBytes(path, "[N]\r\na=42\r\nb= -7 \r\nc=0x1F\r\nd=12abc\r\ne=\r\nf=99999999999\r\n");
    const TIniFile ini(path);
    const std::pair<const char*, int> cases[] = {
        {"a", 42}, {"b", -7}, {"c", 31}, {"d", 5}, {"e", 5}, {"f", 5}, {"missing", 5},
    };
    for (const auto& [key, expected] : cases) EXPECT_EQ(ini.ReadInteger("N", key, 5), expected) << key;
}

struct WriteCase {
    const char* section;
    const char* key;
    const char* value;
    std::string before; // the text of kSettings the write changes...
    std::string after;  // ...and what it becomes
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << Slug(c.section) << "_" << Slug(c.key); }

class IniWrite : public IniFileTest, public testing::WithParamInterface<WriteCase> {};

TEST_P(IniWrite, ChangesOnlyWhatItMust)
{
    const WriteCase& c = GetParam();
    testsupport::WriteBytes(path, kSettings);
    TIniFile(path).WriteString(c.section, c.key, c.value);
    std::string expected = kSettings;
    const size_t at = expected.find(c.before);
    ASSERT_NE(at, std::string::npos);
    expected.replace(at, c.before.size(), c.after);
    EXPECT_EQ(Bytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, IniWrite,
    testing::Values(
        // In place, keeping the file's spelling of the key.
        WriteCase{"general", "NAME", "New", "Name = Stave Mark \r\n", "Name=New\r\n"},
        WriteCase{"General", "Dup", "1", "Dup=first\r\n", "Dup=1\r\n"},
        WriteCase{"General", "Late", "no", "Late=yes\r\n", "Late=no\r\n"},
        // After the section's last key, before what is not a key.
        WriteCase{"General", "Added", "x", "eq=a=b\r\n", "eq=a=b\r\nAdded=x\r\n"},
        WriteCase{"OTHER", "Added", "", "Name=other\r\n", "Name=other\r\nAdded=\r\n"},
        // A new section at the end, after a blank line.
        WriteCase{"New Section", "k", "v=w", "Dup=third\r\n", "Dup=third\r\n\r\n[New Section]\r\nk=v=w\r\n"}));

TEST_F(IniFileTest, NewFileIsAnsiAndRereadable)
{
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("S", "k", "def"), "def");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(path))); // a read creates nothing
    ini.WriteString("S", "k", "Stave\xC2\xAE");
    ini.WriteBool("S", "on", true);
    ini.WriteBool("S", "off", false);
    ini.WriteString("T", "x", "1");
    EXPECT_EQ(Bytes(), "[S]\r\nk=Stave\xAE\r\non=1\r\noff=0\r\n\r\n[T]\r\nx=1\r\n");
    EXPECT_EQ(ini.ReadString("s", "K", ""), "Stave\xC2\xAE");
    EXPECT_EQ(ini.ReadInteger("S", "on", -1), 1);
    EXPECT_EQ(ini.ReadInteger("S", "off", -1), 0);
}

TEST_F(IniFileTest, EveryWriteIsOnDiskAtOnce)
{
    TIniFile writer(path);
    const TIniFile reader(path);
    writer.WriteString("S", "a", "1");
    EXPECT_EQ(reader.ReadString("S", "a", ""), "1");
    EXPECT_EQ(Bytes(), "[S]\r\na=1\r\n");
    writer.WriteString("S", "a", "2");
    EXPECT_EQ(reader.ReadString("S", "a", ""), "2");
    // A writer sees changes made behind its back: it keeps no copy.
    testsupport::WriteBytes(path, "[S]\r\na=3\r\n");
    EXPECT_EQ(writer.ReadString("S", "a", ""), "3");
    writer.WriteString("S", "b", "4");
    EXPECT_EQ(Bytes(), "[S]\r\na=3\r\nb=4\r\n");
}

struct EncodingCase {
    const char* name;
    std::string before;
    std::string after;
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }

class IniEncoding : public IniFileTest, public testing::WithParamInterface<EncodingCase> {};

TEST_P(IniEncoding, RewritesInTheFilesEncoding)
{
    const EncodingCase& c = GetParam();
    testsupport::WriteBytes(path, c.before);
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("S", "k", ""), "\xC2\xAE");
    ini.WriteString("s", "N", "\xC3\xA9");
    EXPECT_EQ(Bytes(), c.after);
    EXPECT_EQ(ini.ReadString("S", "n", ""), "\xC3\xA9");
}

INSTANTIATE_TEST_SUITE_P(Encodings, IniEncoding,
    testing::Values(
        EncodingCase{"Ansi", "[S]\nk=\xAE\n", "[S]\r\nk=\xAE\r\nN=\xE9\r\n"},
        EncodingCase{"Utf8", "\xEF\xBB\xBF[S]\r\nk=\xC2\xAE\r\n", "\xEF\xBB\xBF[S]\r\nk=\xC2\xAE\r\nN=\xC3\xA9\r\n"},
        EncodingCase{"Utf16LE", "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xAE\0"s,
                     "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xAE\0\r\0\n\0N\0=\0\xE9\0\r\0\n\0"s},
        EncodingCase{"Utf16BE", "\xFE\xFF\0[\0S\0]\0\r\0\n\0k\0=\0\xAE"s,
                     "\xFE\xFF\0[\0S\0]\0\r\0\n\0k\0=\0\xAE\0\r\0\n\0N\0=\0\xE9\0\r\0\n"s}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return std::string(info.param.name); });

TEST_F(IniFileTest, WriteIntoAMissingFolderRaises)
{
    const std::string nowhere = dir.File("no-such-folder/settings.ini");
    try {
        TIniFile(nowhere).WriteString("S", "k", "v");
        FAIL() << "no error";
    } catch (const rtl::EFCreateError& e) {
        EXPECT_NE(e.Message.find(nowhere), std::string::npos) << e.Message;
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(dir.File("no-such-folder"))));
}

TEST_F(IniFileTest, UnreadableFileReadsAsDefaultsButIsNotOverwritten)
{
    // A folder stands in for a file that exists but cannot be read.
    std::filesystem::create_directory(std::filesystem::u8path(path));
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("S", "k", "def"), "def");
    EXPECT_THROW(ini.WriteString("S", "k", "v"), rtl::EFOpenError);
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::u8path(path)));
}

TEST_F(IniFileTest, RefusesWhatWouldForgeLines)
{
    testsupport::WriteBytes(path, kSettings);
    TIniFile ini(path);
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"S", "k", "v\r\n[Injected]"},
        {"S", "k", "v\rx=1"},
        {"S", "k=x", "v"},
        {"S", ";k", "v"},
        {"S", "[k]", "v"},
        {"S", "", "v"},
        {"S]x", "k", "v"},
        {"", "k", "v"},
        {"S\n", "k\nx", "v"},
    };
    for (const auto& [section, key, value] : cases)
        EXPECT_THROW(ini.WriteString(section, key, value), rtl::EConvertError) << section << "/" << key;
    EXPECT_EQ(Bytes(), kSettings);
}

} // namespace
