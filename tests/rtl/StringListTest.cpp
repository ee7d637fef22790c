#include "platform/rtl/StringList.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextFile.h"
#include "support/TestSupport.h"

using namespace std::string_literals;
using rtl::TextEncoding;
using rtl::TStringList;

namespace {

TStringList ListOf(const std::vector<std::string>& lines)
{
    TStringList list;
    for (const std::string& l : lines) list.Add(l);
    return list;
}

std::vector<std::string> LinesOf(const TStringList& list)
{
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
    return lines;
}

std::vector<std::string> FolderEntries(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::u8path(dir)))
        names.push_back(e.path().filename().string()); // the test names are ASCII
    return names;
}

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

const std::vector<std::string> kNamed = {
    "Alpha=1", "alpha=2", " Beta=3", "Gamma =4", "Delta==x=y", "Epsilon", "Zeta=", "=unnamed",
};

struct NameCase {
    const char* name;
    const char* value;
    int index;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << Slug(c.name); }

class StringListValues : public testing::TestWithParam<NameCase> {};

TEST_P(StringListValues, FindsTheFirstLineByItsExactName)
{
    const TStringList list = ListOf(kNamed);
    const NameCase& c = GetParam();
    EXPECT_EQ(list.Values(c.name), c.value);
    EXPECT_EQ(list.IndexOfName(c.name), c.index);
}

INSTANTIATE_TEST_SUITE_P(Rules, StringListValues,
    testing::Values(
        NameCase{"Alpha", "1", 0},
        NameCase{"ALPHA", "1", 0},      // case does not count; the first line wins
        NameCase{"Beta", "", -1},       // blanks are part of the name
        NameCase{" beta", "3", 2},
        NameCase{"Gamma", "", -1},
        NameCase{"Gamma ", "4", 3},
        NameCase{"Delta", "=x=y", 4},   // the first "=" splits; the rest is the value
        NameCase{"Epsilon", "", -1},    // a line without "=" has no name
        NameCase{"Zeta", "", 6},
        NameCase{"", "unnamed", 7},
        NameCase{"Missing", "", -1}));

TEST(StringList, IndexOfComparesWholeLinesWithoutCase)
{
    const TStringList list = ListOf(kNamed);
    EXPECT_EQ(list.IndexOf("ALPHA=1"), 0);
    EXPECT_EQ(list.IndexOf("alpha=2"), 1);
    EXPECT_EQ(list.IndexOf("epsilon"), 5);
    EXPECT_EQ(list.IndexOf(" BETA=3"), 2);
    EXPECT_EQ(list.IndexOf("Beta=3"), -1);
    EXPECT_EQ(list.IndexOf("Alpha"), -1);
    EXPECT_EQ(list.IndexOf(""), -1);
}

TEST(StringList, EditsAndRefusesIndexesOutOfRange)
{
    TStringList list = ListOf({"a", "b", "c"});
    list.Delete(1);
    list.Insert(0, "z");
    EXPECT_EQ(list.Add("d"), 3);
    list.Strings(1) = "A";
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"z", "A", "c", "d"}));
    for (int bad : {-1, 4}) {
        EXPECT_THROW(list.Delete(bad), rtl::Exception) << bad;
        EXPECT_THROW((void)list[bad], rtl::Exception) << bad;
    }
    EXPECT_THROW(list.Insert(5, "x"), rtl::Exception);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

struct TextCase {
    std::string text;
    std::vector<std::string> lines;
};

TEST(StringList, SetTextSplitsAtEveryKindOfLineBreak)
{
    const TextCase cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"\r\n", {""}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\r", {"a", ""}},
        {"x\0y\r\n"s, {"x\0y"s}},
    };
    for (const TextCase& c : cases) {
        TStringList list;
        list.Add("old");
        list.SetText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines) << testing::PrintToString(c.text);
    }
    EXPECT_EQ(ListOf({"a", "", "b"}).Text(), "a\r\n\r\nb\r\n");
    EXPECT_EQ(TStringList().Text(), "");
}

// One file per encoding: its bytes, its text, and the bytes a line
// "Z=\u00e9" adds when the list is saved again.
struct FileCase {
    const char* name;
    std::string bytes;
    std::string text;
    TextEncoding encoding;
    std::string addedBytes;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

class StringListFiles : public testing::TestWithParam<FileCase> {};

TEST_P(StringListFiles, LoadAndSaveKeepTheEncoding)
{
    const FileCase& c = GetParam();
    testsupport::TempDir dir;
    const std::string path = dir.File("list.txt");
    testsupport::WriteBytes(path, c.bytes);

    TStringList list;
    list.Add("replaced by the load");
    list.LoadFromFile(path);
    EXPECT_EQ(list.Text(), c.text);
    EXPECT_EQ(list.Encoding(), c.encoding);

    list.Add("Z=\xC3\xA9");
    list.SaveToFile(path);
    EXPECT_EQ(testsupport::ReadBytes(path), c.bytes + c.addedBytes);
    // The replace leaves nothing else behind.
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"list.txt"});
}

INSTANTIATE_TEST_SUITE_P(Encodings, StringListFiles,
    testing::Values(
        FileCase{"Ansi", "Name=Stave\xAEMark\r\nx=\x80\r\n", "Name=Stave\xC2\xAEMark\r\nx=\xE2\x82\xAC\r\n",
                 TextEncoding::Ansi, "Z=\xE9\r\n"},
        FileCase{"Utf8", "\xEF\xBB\xBFName=Stave\xC2\xAEMark\r\n", "Name=Stave\xC2\xAEMark\r\n",
                 TextEncoding::Utf8, "Z=\xC3\xA9\r\n"},
        // U+1F600 checks the surrogate pairs.
        FileCase{"Utf16LE", "\xFF\xFEN\0=\0\xAE\0\x3D\xD8\x00\xDE\r\0\n\0"s,
                 "N=\xC2\xAE\xF0\x9F\x98\x80\r\n", TextEncoding::Utf16LE, "Z\0=\0\xE9\0\r\0\n\0"s},
        FileCase{"Utf16BE", "\xFE\xFF\0N\0=\0\xAE\xD8\x3D\xDE\x00\0\r\0\n"s,
                 "N=\xC2\xAE\xF0\x9F\x98\x80\r\n", TextEncoding::Utf16BE, "\0Z\0=\0\xE9\0\r\0\n"s}),
    [](const testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST(TextFile, DecodesByTheByteOrderMark)
{
    struct Case {
        std::string bytes;
        std::string text;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"", "", TextEncoding::Ansi},
        {"\xEF\xBB\xBF", "", TextEncoding::Utf8},
        {"\xEF\xBB", "\xC3\xAF\xC2\xBB", TextEncoding::Ansi},       // half a mark is ANSI text
        {"\xFF\xFE" "A\0B"s, "A\xEF\xBF\xBD", TextEncoding::Utf16LE}, // odd last byte
        {"\xFE\xFF\xD8\x00"s, "\xEF\xBF\xBD", TextEncoding::Utf16BE}, // lone surrogate
        {"\xEF\xBB\xBF\xFF", "\xFF", TextEncoding::Utf8},             // kept as found
    };
    for (const Case& c : cases) {
        const rtl::TextContent got = rtl::DecodeText(c.bytes);
        EXPECT_EQ(got.Text, c.text) << testing::PrintToString(c.bytes);
        EXPECT_EQ(got.Encoding, c.encoding) << testing::PrintToString(c.bytes);
    }
}

TEST(StringListFiles, SaveWithoutLoadIsAnsiWithReplacementCharacters)
{
    testsupport::TempDir dir;
    TStringList list;
    list.Add("a=\xC2\xAE");
    list.Add("b=\xC4\x80");
    list.SaveToFile(dir.File("new.txt"));
    EXPECT_EQ(list.Encoding(), TextEncoding::Ansi);
    EXPECT_EQ(testsupport::ReadBytes(dir.File("new.txt")), "a=\xAE\r\nb=?\r\n");
}

TEST(StringListFiles, MissingFileRaisesAndKeepsTheList)
{
    testsupport::TempDir dir;
    const std::string path = dir.File("missing.txt");
    TStringList list;
    list.Add("kept");
    try {
        list.LoadFromFile(path);
        FAIL() << "no error";
    } catch (const rtl::EFOpenError& e) {
        EXPECT_NE(e.Message.find("Cannot open file \"" + path + "\"."), std::string::npos) << e.Message;
    }
    EXPECT_EQ(LinesOf(list), std::vector<std::string>{"kept"});
}

TEST(StringListFiles, SaveIntoAMissingFolderRaises)
{
    testsupport::TempDir dir;
    const std::string path = dir.File("no-such-folder/list.txt");
    try {
        ListOf({"x"}).SaveToFile(path);
        FAIL() << "no error";
    } catch (const rtl::EFCreateError& e) {
        EXPECT_NE(e.Message.find("Cannot create file \"" + path + "\"."), std::string::npos) << e.Message;
    }
    EXPECT_TRUE(FolderEntries(dir.Path()).empty());
}

TEST(StringListFiles, FailedReplaceLeavesTheTargetAndNoTemporaryFile)
{
    // A folder in the target's place cannot be replaced by a file: the write
    // of the temporary file succeeds and the final step fails.
    testsupport::TempDir dir;
    const std::string target = dir.File("target");
    std::filesystem::create_directory(std::filesystem::u8path(target));
    testsupport::WriteBytes(target + "/inner.txt", "old");
    EXPECT_THROW(ListOf({"new"}).SaveToFile(target), rtl::EFCreateError);
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"target"});
    EXPECT_EQ(testsupport::ReadBytes(target + "/inner.txt"), "old");
}

TEST(StringListFiles, SaveReplacesAnExistingFileWhole)
{
    testsupport::TempDir dir;
    const std::string path = dir.File("list.txt");
    testsupport::WriteBytes(path, "a much longer old content than the new one\r\n");
    ListOf({"new"}).SaveToFile(path);
    EXPECT_EQ(testsupport::ReadBytes(path), "new\r\n");
}

} // namespace
