// Version resources of real PE files built by windres, read through the
// system's version API on Windows and our own reader elsewhere: both must
// give the same answers.
#include "platform/os/VersionInfo.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

#include "support/TestSupport.h"

namespace {

using testsupport::FixturePath;
using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

struct FixtureCase {
    const char* File;
    std::uint32_t FileMS, FileLS, ProductMS, ProductLS;
    std::uint16_t Language, CodePage;
    const char* Table; // the StringFileInfo block named after the translation
    const char* FileVersion;
    const char* SpecialBuild;
};

class VersionedFixture : public testing::TestWithParam<FixtureCase> {};

os::FileVersionInfo LoadOrFail(const std::string& path)
{
    std::uint32_t error = 0xDEADBEEF;
    auto info = os::FileVersionInfo::Load(path, error);
    if (!info) throw std::runtime_error("cannot load " + path + ": error " + std::to_string(error));
    return *info;
}

TEST_P(VersionedFixture, FixedInfo)
{
    const FixtureCase& c = GetParam();
    const auto fixed = LoadOrFail(FixturePath(c.File)).Fixed();
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->FileVersionMS, c.FileMS);
    EXPECT_EQ(fixed->FileVersionLS, c.FileLS);
    EXPECT_EQ(fixed->ProductVersionMS, c.ProductMS);
    EXPECT_EQ(fixed->ProductVersionLS, c.ProductLS);
}

TEST_P(VersionedFixture, Translations)
{
    const FixtureCase& c = GetParam();
    const auto translations = LoadOrFail(FixturePath(c.File)).Translations();
    ASSERT_TRUE(translations);
    ASSERT_EQ(translations->size(), 1u);
    EXPECT_EQ((*translations)[0].Language, c.Language);
    EXPECT_EQ((*translations)[0].CodePage, c.CodePage);
}

TEST_P(VersionedFixture, StringValues)
{
    const FixtureCase& c = GetParam();
    const os::FileVersionInfo info = LoadOrFail(FixturePath(c.File));
    const std::string table = std::string("\\StringFileInfo\\") + c.Table + "\\";
    std::string upperTable = table;
    for (char& ch : upperTable) ch = char(std::toupper(static_cast<unsigned char>(ch)));
    const std::string otherTable =
        std::string("\\StringFileInfo\\") + (std::strcmp(c.Table, "040904b0") ? "040904b0" : "040704e4") + "\\";

    const struct {
        std::string Path;
        std::optional<std::string> Expected;
    } queries[] = {
        {table + "SpecialBuild", c.SpecialBuild},
        {table + "FileVersion", c.FileVersion},
        {table + "CompanyName", "Tarnwick Test Fixtures"},
        {upperTable + "specialbuild", c.SpecialBuild},
        {table + "COMPANYNAME", "Tarnwick Test Fixtures"},
        {table + "PrivateBuild", std::nullopt},
        {table + "Special", std::nullopt},
        {otherTable + "SpecialBuild", std::nullopt},
        {"\\StringFileInfo\\SpecialBuild", std::nullopt},
    };
    for (const auto& q : queries) {
        SCOPED_TRACE(q.Path);
        EXPECT_EQ(info.StringValue(q.Path), q.Expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    VersionInfo, VersionedFixture,
    testing::Values(
        FixtureCase{"ver1234.dll", 0x00010002, 0x00030004, 0x00050006, 0x00070008, 0x0409, 1200, "040904b0",
                    "1.2.3.4", "Nightly build 7"},
        FixtureCase{"ver10019041.dll", 0x000A0000, 0x4A610001, 0x000A0000, 0x4A610001, 0x0409, 1200,
                    "040904b0", "10.0.19041.1 (WinBuild)", ""},
        FixtureCase{"vermax.dll", 0xFFFFFFFF, 0xFFFFFFFF, 0x00010000, 0x00000000, 0x0409, 1200, "040904b0",
                    "65535.65535.65535.65535", "Maximum"},
        FixtureCase{"vergerman.dll", 0x00020002, 0x00020005, 0x00020002, 0x00020005, 0x0407, 1252, "040704e4",
                    "2.2.2.5", "Deutsch"}),
    [](const testing::TestParamInfo<FixtureCase>& info) {
        std::string name = info.param.File;
        return name.substr(0, name.find('.'));
    });

// What each failure reports. On Windows the version API decides, and its
// codes for "no version here" vary between system versions, so any of them
// counts; the host's codes are ours (see posix/VersionInfo.cpp).
enum class Failure { FileMissing, NotAnImage, NoVersion, Folder };

bool CodeMatches(Failure kind, std::uint32_t code)
{
#ifdef _WIN32
    const std::set<std::uint32_t> noVersion = {
        11,   // ERROR_BAD_FORMAT
        193,  // ERROR_BAD_EXE_FORMAT
        1812, // ERROR_RESOURCE_DATA_NOT_FOUND
        1813, // ERROR_RESOURCE_TYPE_NOT_FOUND
        1814, // ERROR_RESOURCE_NAME_NOT_FOUND
    };
    switch (kind) {
    case Failure::FileMissing: return code == 2; // ERROR_FILE_NOT_FOUND
    case Failure::NotAnImage:
    case Failure::NoVersion: return noVersion.count(code) != 0;
    case Failure::Folder: return code == 5 || noVersion.count(code) != 0; // ERROR_ACCESS_DENIED
    }
#else
    switch (kind) {
    case Failure::FileMissing: return code == ENOENT;
    case Failure::NotAnImage: return code == ENOEXEC;
    case Failure::NoVersion: return code == ENODATA;
    case Failure::Folder: return code == EISDIR;
    }
#endif
    return false;
}

// Offset in the file of a version-block node's key; the node's header is
// the six bytes before it.
std::size_t KeyOffset(const std::string& bytes, const std::u16string& key)
{
    std::string needle;
    for (char16_t ch : key + u'\0') {
        needle.push_back(char(ch & 0xFF));
        needle.push_back(char(ch >> 8));
    }
    const std::size_t at = bytes.find(needle);
    if (at == std::string::npos || at < 6) throw std::runtime_error("fixture lacks its version block");
    return at;
}

struct FailureCase {
    const char* Name;
    // Makes the file in `dir` and returns its path.
    std::function<std::string(const TempDir& dir)> Make;
    Failure Expected;
};

class UnreadableVersion : public testing::TestWithParam<FailureCase> {};

TEST_P(UnreadableVersion, FailsWithTheSystemsReason)
{
    const TempDir dir;
    const std::string path = GetParam().Make(dir);
    std::uint32_t error = 0;
    const auto info = os::FileVersionInfo::Load(path, error);
    EXPECT_FALSE(info);
    EXPECT_TRUE(CodeMatches(GetParam().Expected, error)) << "error " << error;
}

std::string CutFixture(const TempDir& dir, const std::function<std::size_t(const std::string&)>& length)
{
    const std::string bytes = ReadBytes(FixturePath("ver1234.dll"));
    const std::string path = dir.File("cut.dll");
    WriteBytes(path, bytes.substr(0, length(bytes)));
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    VersionInfo, UnreadableVersion,
    testing::Values(
        FailureCase{"MissingFile", [](const TempDir& d) { return d.File("absent.dll"); }, Failure::FileMissing},
        FailureCase{"TextFile",
                    [](const TempDir& d) {
                        WriteBytes(d.File("notes.txt"), "MZ is not enough to make a program.\r\n");
                        return d.File("notes.txt");
                    },
                    Failure::NotAnImage},
        FailureCase{"EmptyFile",
                    [](const TempDir& d) {
                        WriteBytes(d.File("empty.dll"), "");
                        return d.File("empty.dll");
                    },
                    Failure::NotAnImage},
        FailureCase{"NoVersionResource", [](const TempDir&) { return FixturePath("noversion.dll"); },
                    Failure::NoVersion},
        FailureCase{"CutInDosHeader", [](const TempDir& d) { return CutFixture(d, [](auto&) { return 40; }); },
                    Failure::NotAnImage},
        FailureCase{"CutAfterHeaders",
                    [](const TempDir& d) { return CutFixture(d, [](auto&) { return 0x400; }); },
                    Failure::NoVersion},
        FailureCase{"CutInVersionBlock",
                    [](const TempDir& d) {
                        return CutFixture(d, [](const std::string& b) {
                            return KeyOffset(b, u"StringFileInfo");
                        });
                    },
                    Failure::NoVersion},
        FailureCase{"Folder", [](const TempDir& d) { return d.Path(); }, Failure::Folder}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.Name); });

// A fixture with one length field of its version block overwritten: what is
// still intact is read, what the broken length covers is not found.
struct CorruptionCase {
    const char* Name;
    const char16_t* Key;   // the node whose header is changed
    std::size_t Field;     // 0 wLength, 2 wValueLength
    std::uint16_t Value;
    bool FixedFound;
    bool TranslationsFound;
    std::optional<std::string> SpecialBuild;
};

class CorruptedFixture : public testing::TestWithParam<CorruptionCase> {};

TEST_P(CorruptedFixture, ReadsWhatIsIntact)
{
    const CorruptionCase& c = GetParam();
    std::string bytes = ReadBytes(FixturePath("ver1234.dll"));
    const std::size_t header = KeyOffset(bytes, c.Key) - 6;
    bytes[header + c.Field] = char(c.Value & 0xFF);
    bytes[header + c.Field + 1] = char(c.Value >> 8);
    const TempDir dir;
    WriteBytes(dir.File("corrupt.dll"), bytes);

    const os::FileVersionInfo info = LoadOrFail(dir.File("corrupt.dll"));
    EXPECT_EQ(info.Fixed().has_value(), c.FixedFound);
    EXPECT_EQ(info.Translations().has_value(), c.TranslationsFound);
    EXPECT_EQ(info.StringValue("\\StringFileInfo\\040904b0\\SpecialBuild"), c.SpecialBuild);
}

INSTANTIATE_TEST_SUITE_P(
    VersionInfo, CorruptedFixture,
    testing::Values(
        CorruptionCase{"ZeroLengthStringFileInfo", u"StringFileInfo", 0, 0, true, false, std::nullopt},
        CorruptionCase{"StringTableShorterThanHeader", u"040904b0", 0, 2, true, true, std::nullopt},
        CorruptionCase{"TextLengthPastItsNode", u"SpecialBuild", 2, 0x7FFF, true, true, "Nightly build 7"},
        // The children then start on the fixed info's zero date: a node
        // of length zero, which ends every walk.
        CorruptionCase{"FixedInfoCutShort", u"VS_VERSION_INFO", 2, 48, false, false, std::nullopt}),
    [](const testing::TestParamInfo<CorruptionCase>& info) { return std::string(info.param.Name); });

} // namespace
