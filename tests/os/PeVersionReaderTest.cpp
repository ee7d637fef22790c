// The portable PE version reader on small images and blocks built here, so
// each case can break exactly one field the fixtures never get wrong.
#include "platform/os/PeVersionReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using os::pe::PeLookup;

void Put16(Bytes& b, std::size_t at, std::uint16_t v)
{
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, std::uint16_t(v));
    Put16(b, at + 2, std::uint16_t(v >> 16));
}

void Pad4(Bytes& b) { b.resize((b.size() + 3) & ~std::size_t(3), 0); }

// One version-block node: header, key, padding, value, padding, children;
// wValueLength counts UTF-16 units for text and bytes otherwise.
Bytes Node(const std::u16string& key, const Bytes& value, bool text, const std::vector<Bytes>& children = {})
{
    Bytes n(6, 0);
    for (char16_t c : key + u'\0') {
        n.push_back(std::uint8_t(c));
        n.push_back(std::uint8_t(c >> 8));
    }
    Pad4(n);
    n.insert(n.end(), value.begin(), value.end());
    for (const Bytes& child : children) {
        Pad4(n);
        n.insert(n.end(), child.begin(), child.end());
    }
    Put16(n, 0, std::uint16_t(n.size()));
    Put16(n, 2, std::uint16_t(text ? value.size() / 2 : value.size()));
    Put16(n, 4, text ? 1 : 0);
    return n;
}

Bytes Utf16Z(const std::u16string& s)
{
    Bytes b;
    for (char16_t c : s + u'\0') {
        b.push_back(std::uint8_t(c));
        b.push_back(std::uint8_t(c >> 8));
    }
    return b;
}

Bytes FixedInfo(std::uint32_t fileMS, std::uint32_t fileLS, std::uint32_t prodMS, std::uint32_t prodLS)
{
    Bytes f(52, 0);
    Put32(f, 0, 0xFEEF04BD);
    Put32(f, 4, 0x00010000);
    Put32(f, 8, fileMS);
    Put32(f, 12, fileLS);
    Put32(f, 16, prodMS);
    Put32(f, 20, prodLS);
    return f;
}

// A block like the ones resource compilers write, with text outside ASCII
// and a translation table of two pairs.
Bytes SampleBlock()
{
    Bytes translation(8, 0);
    Put16(translation, 0, 0x0409);
    Put16(translation, 2, 1200);
    Put16(translation, 4, 0x0407);
    Put16(translation, 6, 1252);
    return Node(u"VS_VERSION_INFO", FixedInfo(0x00030001, 0x00040002, 0x00070005, 0x00090008), false,
                {Node(u"StringFileInfo", {}, true,
                      {Node(u"040904b0", {}, true,
                            {Node(u"CompanyName", Utf16Z(u"Tarnwick"), true),
                             Node(u"Comments", Utf16Z(u"Gr\u00fc\u00dfe \U0001F600"), true),
                             Node(u"Empty", {}, true)})}),
                 Node(u"VarFileInfo", {}, true, {Node(u"Translation", translation, false)})});
}

// Offsets inside the image that BuildImage lays out, for the cases that
// break one of them.
struct Layout {
    std::size_t PeHeader = 0x40;
    std::size_t Optional = 0x40 + 24;
    std::size_t DirectoryCount = 0;
    std::size_t ResourceDirectory = 0;
    std::size_t Section = 0;
    std::size_t Tree = 0x200;          // file offset of the resource tree, RVA 0x1000
    std::size_t TypeEntry = 0x200 + 16;
    std::size_t NameDirectory = 0x200 + 0x18;
    std::size_t NameEntry = 0x200 + 0x18 + 16;
    std::size_t LanguageEntry = 0x200 + 0x30 + 16;
    std::size_t DataEntry = 0x200 + 0x48;
    std::size_t Block = 0x200 + 0x58;
};

// A minimal PE32 or PE32+ image with one section holding a resource tree
// type 16 -> id 1 -> language 0x409 -> `block`.
Bytes BuildImage(const Bytes& block, bool pe32Plus, Layout* layout = nullptr)
{
    Layout l;
    const std::size_t optionalSize = pe32Plus ? 240 : 224;
    const std::size_t countOffset = pe32Plus ? 108 : 92;
    l.DirectoryCount = l.Optional + countOffset;
    l.ResourceDirectory = l.DirectoryCount + 4 + 2 * 8;
    l.Section = l.Optional + optionalSize;

    const std::size_t treeSize = 0x58 + block.size();
    const std::size_t rawSize = (treeSize + 0x1FF) & ~std::size_t(0x1FF);
    Bytes image(l.Tree + rawSize, 0);
    image[0] = 'M';
    image[1] = 'Z';
    Put32(image, 0x3C, std::uint32_t(l.PeHeader));
    std::memcpy(&image[l.PeHeader], "PE\0\0", 4);
    Put16(image, l.PeHeader + 4, pe32Plus ? 0x8664 : 0x014C);
    Put16(image, l.PeHeader + 6, 1);
    Put16(image, l.PeHeader + 20, std::uint16_t(optionalSize));
    Put16(image, l.Optional, pe32Plus ? 0x20B : 0x10B);
    Put32(image, l.DirectoryCount, 16);
    Put32(image, l.ResourceDirectory, 0x1000);
    Put32(image, l.ResourceDirectory + 4, std::uint32_t(treeSize));
    std::memcpy(&image[l.Section], ".rsrc", 5);
    Put32(image, l.Section + 8, std::uint32_t(treeSize));
    Put32(image, l.Section + 12, 0x1000);
    Put32(image, l.Section + 16, std::uint32_t(rawSize));
    Put32(image, l.Section + 20, std::uint32_t(l.Tree));

    Put16(image, l.Tree + 14, 1);
    Put32(image, l.TypeEntry, 16);
    Put32(image, l.TypeEntry + 4, 0x80000000u | 0x18);
    Put16(image, l.NameDirectory + 14, 1);
    Put32(image, l.NameEntry, 1);
    Put32(image, l.NameEntry + 4, 0x80000000u | 0x30);
    Put16(image, l.Tree + 0x30 + 14, 1);
    Put32(image, l.LanguageEntry, 0x409);
    Put32(image, l.LanguageEntry + 4, 0x48);
    Put32(image, l.DataEntry, 0x1000 + 0x58);
    Put32(image, l.DataEntry + 4, std::uint32_t(block.size()));
    std::memcpy(&image[l.Block], block.data(), block.size());
    if (layout) *layout = l;
    return image;
}

TEST(PeVersionReader, FindsTheBlockInPe32AndPe32Plus)
{
    const Bytes block = SampleBlock();
    for (bool plus : {false, true}) {
        SCOPED_TRACE(plus ? "PE32+" : "PE32");
        const auto found = os::pe::FindVersionResource(BuildImage(block, plus));
        ASSERT_EQ(found.Status, PeLookup::Found);
        EXPECT_EQ(found.Block, block);
    }
}

struct ImageCase {
    const char* Name;
    std::function<void(Bytes&, const Layout&)> Break;
    PeLookup Expected;
};

class BrokenImage : public testing::TestWithParam<ImageCase> {};

TEST_P(BrokenImage, IsNotFound)
{
    for (bool plus : {false, true}) {
        SCOPED_TRACE(plus ? "PE32+" : "PE32");
        Layout l;
        Bytes image = BuildImage(SampleBlock(), plus, &l);
        GetParam().Break(image, l);
        const auto found = os::pe::FindVersionResource(image);
        EXPECT_EQ(found.Status, GetParam().Expected);
        EXPECT_TRUE(found.Block.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    PeVersionReader, BrokenImage,
    testing::Values(
        ImageCase{"NoMz", [](Bytes& b, const Layout&) { b[1] = 'X'; }, PeLookup::NotAnImage},
        ImageCase{"PeOffsetPastEnd", [](Bytes& b, const Layout&) { Put32(b, 0x3C, 0xFFFFFFF0); },
                  PeLookup::NotAnImage},
        ImageCase{"NoPeSignature", [](Bytes& b, const Layout& l) { b[l.PeHeader + 1] = 'X'; },
                  PeLookup::NotAnImage},
        ImageCase{"UnknownMagic", [](Bytes& b, const Layout& l) { Put16(b, l.Optional, 0x107); },
                  PeLookup::NotAnImage},
        ImageCase{"OptionalHeaderTooShort", [](Bytes& b, const Layout& l) { Put16(b, l.PeHeader + 20, 64); },
                  PeLookup::NotAnImage},
        ImageCase{"SectionTablePastEnd", [](Bytes& b, const Layout& l) { Put16(b, l.PeHeader + 6, 0xFFFF); },
                  PeLookup::NotAnImage},
        ImageCase{"NoResourceDirectoryEntry", [](Bytes& b, const Layout& l) { Put32(b, l.DirectoryCount, 2); },
                  PeLookup::NoVersionResource},
        ImageCase{"EmptyResourceDirectory",
                  [](Bytes& b, const Layout& l) { Put32(b, l.ResourceDirectory + 4, 0); },
                  PeLookup::NoVersionResource},
        ImageCase{"ResourcesOutsideEverySection",
                  [](Bytes& b, const Layout& l) { Put32(b, l.ResourceDirectory, 0x7000); },
                  PeLookup::NoVersionResource},
        ImageCase{"SectionDataPastEnd",
                  [](Bytes& b, const Layout& l) { Put32(b, l.Section + 20, std::uint32_t(b.size())); },
                  PeLookup::NoVersionResource},
        ImageCase{"NoVersionType", [](Bytes& b, const Layout& l) { Put32(b, l.TypeEntry, 10); },
                  PeLookup::NoVersionResource},
        ImageCase{"VersionTypeByName",
                  [](Bytes& b, const Layout& l) { Put32(b, l.TypeEntry, 0x80000000u | 16); },
                  PeLookup::NoVersionResource},
        ImageCase{"TypeEntryIsNoDirectory", [](Bytes& b, const Layout& l) { Put32(b, l.TypeEntry + 4, 0x18); },
                  PeLookup::NoVersionResource},
        ImageCase{"LanguageEntryIsADirectory",
                  [](Bytes& b, const Layout& l) { Put32(b, l.LanguageEntry + 4, 0x80000000u | 0x48); },
                  PeLookup::NoVersionResource},
        // A tree that points back at its root ends after three levels.
        ImageCase{"NameDirectoryIsTheRoot",
                  [](Bytes& b, const Layout& l) { Put32(b, l.TypeEntry + 4, 0x80000000u); },
                  PeLookup::NoVersionResource},
        ImageCase{"NoNameEntries", [](Bytes& b, const Layout& l) { Put16(b, l.NameDirectory + 14, 0); },
                  PeLookup::NoVersionResource},
        ImageCase{"EntryCountsPastTheSection",
                  [](Bytes& b, const Layout& l) {
                      Put16(b, l.NameDirectory + 12, 0xFFFF);
                      Put16(b, l.NameDirectory + 14, 0xFFFF);
                  },
                  PeLookup::NoVersionResource},
        ImageCase{"EntryOffsetPastTheSection",
                  [](Bytes& b, const Layout& l) { Put32(b, l.NameEntry + 4, 0xFFFFFFFF); },
                  PeLookup::NoVersionResource},
        ImageCase{"EmptyData", [](Bytes& b, const Layout& l) { Put32(b, l.DataEntry + 4, 0); },
                  PeLookup::NoVersionResource},
        ImageCase{"DataPastTheSection", [](Bytes& b, const Layout& l) { Put32(b, l.DataEntry + 4, 0x10000); },
                  PeLookup::NoVersionResource},
        ImageCase{"DataRvaWraps", [](Bytes& b, const Layout& l) { Put32(b, l.DataEntry, 0xFFFFFFF0); },
                  PeLookup::NoVersionResource},
        ImageCase{"DataOverTheSizeCap",
                  [](Bytes& b, const Layout& l) {
                      Put32(b, l.DataEntry + 4, std::uint32_t(os::pe::MaxVersionBlockSize + 1));
                  },
                  PeLookup::NoVersionResource}),
    [](const testing::TestParamInfo<ImageCase>& info) { return std::string(info.param.Name); });

TEST(PeVersionReader, EveryTruncationIsNotFound)
{
    const Bytes block = SampleBlock();
    Layout l;
    const Bytes image = BuildImage(block, false, &l);
    const std::size_t needed = l.Block + block.size();
    for (std::size_t n = 0; n < image.size(); ++n) {
        const auto found = os::pe::FindVersionResource(std::span(image.data(), n));
        if (n < needed)
            ASSERT_NE(found.Status, PeLookup::Found) << "cut at " << n;
        else
            ASSERT_EQ(found.Block, block) << "cut at " << n;
    }
}

TEST(PeVersionReader, ReadErrorsAreReportedAsSuch)
{
    const Bytes image = BuildImage(SampleBlock(), false);
    const os::pe::ReadAt failing = [&](std::uint64_t offset, void* dst, std::size_t n) {
        if (offset >= 0x200) return false; // the section data cannot be read
        std::memcpy(dst, image.data() + offset, n);
        return true;
    };
    const auto found = os::pe::FindVersionResource(failing, image.size());
    EXPECT_EQ(found.Status, PeLookup::ReadFailed);
}

TEST(PeVersionReader, ReadsOnlyInsideTheFile)
{
    const Bytes image = BuildImage(SampleBlock(), true);
    std::uint64_t furthest = 0;
    const os::pe::ReadAt tracking = [&](std::uint64_t offset, void* dst, std::size_t n) {
        furthest = std::max(furthest, offset + n);
        std::memcpy(dst, image.data() + offset, n);
        return true;
    };
    EXPECT_EQ(os::pe::FindVersionResource(tracking, image.size()).Status, PeLookup::Found);
    EXPECT_LE(furthest, image.size());
}

struct QueryCase {
    const char* Path;
    std::optional<std::string> Expected;
};

TEST(VersionBlockQuery, StringValuesByPath)
{
    const Bytes block = SampleBlock();
    const QueryCase cases[] = {
        {"\\StringFileInfo\\040904b0\\CompanyName", "Tarnwick"},
        {"\\STRINGFILEINFO\\040904B0\\companyname", "Tarnwick"},
        {"\\\\StringFileInfo\\\\040904b0\\CompanyName\\", "Tarnwick"},
        {"\\StringFileInfo\\040904b0\\Comments", "Gr\u00fc\u00dfe \U0001F600"},
        {"\\StringFileInfo\\040904b0\\Empty", ""},
        {"\\StringFileInfo\\040904b0\\Company", std::nullopt},
        {"\\StringFileInfo\\040904b0\\CompanyNameX", std::nullopt},
        {"\\StringFileInfo\\040704e4\\CompanyName", std::nullopt},
        {"\\StringFileInfo\\040904b0\\CompanyName\\More", std::nullopt},
        {"\\VarFileInfo\\040904b0\\CompanyName", std::nullopt},
    };
    for (const QueryCase& c : cases) {
        SCOPED_TRACE(c.Path);
        EXPECT_EQ(os::pe::QueryStringValue(block, c.Path), c.Expected);
    }
}

TEST(VersionBlockQuery, FixedInfoAndTranslations)
{
    const Bytes block = SampleBlock();
    const auto fixed = os::pe::QueryFixedFileInfo(block);
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->FileVersionMS, 0x00030001u);
    EXPECT_EQ(fixed->FileVersionLS, 0x00040002u);
    EXPECT_EQ(fixed->ProductVersionMS, 0x00070005u);
    EXPECT_EQ(fixed->ProductVersionLS, 0x00090008u);

    const auto translations = os::pe::QueryTranslations(block);
    ASSERT_TRUE(translations);
    ASSERT_EQ(translations->size(), 2u);
    EXPECT_EQ((*translations)[0].Language, 0x0409);
    EXPECT_EQ((*translations)[0].CodePage, 1200);
    EXPECT_EQ((*translations)[1].Language, 0x0407);
    EXPECT_EQ((*translations)[1].CodePage, 1252);
}

TEST(VersionBlockQuery, DecodersCheckTheirInput)
{
    Bytes fixed = FixedInfo(1, 2, 3, 4);
    EXPECT_FALSE(os::pe::DecodeFixedFileInfo(std::span(fixed.data(), 51)));
    fixed[0] ^= 1;
    EXPECT_FALSE(os::pe::DecodeFixedFileInfo(fixed));

    const Bytes pairs = {0x09, 0x04, 0xB0, 0x04, 0x07, 0x04, 0xE4};
    const auto translations = os::pe::DecodeTranslations(pairs);
    ASSERT_EQ(translations.size(), 1u); // the partial second pair is dropped
    EXPECT_EQ(translations[0].CodePage, 1200);

    EXPECT_EQ(os::pe::DecodeText(Bytes{'a', 0, 'b', 0, 0, 0, 'c', 0}), "ab");
    EXPECT_EQ(os::pe::DecodeText(Bytes{'a', 0, 'b'}), "a");
    // An unpaired surrogate does not end or break the text.
    EXPECT_EQ(os::pe::DecodeText(Bytes{0x00, 0xD8, 'x', 0}), "\uFFFDx");
}

// Offset of the header of the node whose key is `key`.
std::size_t NodeOffset(const Bytes& block, const std::u16string& key)
{
    const Bytes needle = Utf16Z(key);
    for (std::size_t i = 6; i + needle.size() <= block.size(); ++i)
        if (std::memcmp(&block[i], needle.data(), needle.size()) == 0) return i - 6;
    ADD_FAILURE() << "no such node";
    return 0;
}

struct BlockCase {
    const char* Name;
    std::function<void(Bytes&)> Break;
    bool FixedFound;
    bool TranslationsFound;
    std::optional<std::string> Company;
};

class BrokenBlock : public testing::TestWithParam<BlockCase> {};

TEST_P(BrokenBlock, AnswersOnlyWhatIsIntact)
{
    Bytes block = SampleBlock();
    GetParam().Break(block);
    EXPECT_EQ(os::pe::QueryFixedFileInfo(block).has_value(), GetParam().FixedFound);
    EXPECT_EQ(os::pe::QueryTranslations(block).has_value(), GetParam().TranslationsFound);
    EXPECT_EQ(os::pe::QueryStringValue(block, "\\StringFileInfo\\040904b0\\CompanyName"), GetParam().Company);
}

INSTANTIATE_TEST_SUITE_P(
    VersionBlockQuery, BrokenBlock,
    testing::Values(
        BlockCase{"Intact", [](Bytes&) {}, true, true, "Tarnwick"},
        BlockCase{"RootLongerThanBlock", [](Bytes& b) { Put16(b, 0, std::uint16_t(b.size() + 4)); }, false,
                  false, std::nullopt},
        BlockCase{"RootShorterThanHeader", [](Bytes& b) { Put16(b, 0, 5); }, false, false, std::nullopt},
        BlockCase{"OldSixteenBitLayout", [](Bytes& b) { b[4] = 'V'; }, false, false, std::nullopt},
        BlockCase{"FixedInfoCutShort", [](Bytes& b) { Put16(b, 2, 48); }, false, false, std::nullopt},
        BlockCase{"FixedInfoSignature", [](Bytes& b) { b[NodeOffset(b, u"VS_VERSION_INFO") + 40] ^= 0xFF; },
                  false, true, "Tarnwick"},
        // A zero-length node would stall a walk that trusts it.
        BlockCase{"ZeroLengthChild", [](Bytes& b) { Put16(b, NodeOffset(b, u"StringFileInfo"), 0); }, true,
                  false, std::nullopt},
        BlockCase{"ChildLongerThanParent",
                  [](Bytes& b) { Put16(b, NodeOffset(b, u"CompanyName"), 0x4000); }, true, true,
                  std::nullopt},
        BlockCase{"KeyWithoutNul",
                  [](Bytes& b) {
                      const std::size_t at = NodeOffset(b, u"CompanyName");
                      Put16(b, at, 6 + 2 * 5); // ends inside "CompanyName"
                  },
                  true, true, std::nullopt},
        // A text length beyond its node is cut at the node's end.
        BlockCase{"ValueLengthPastNode", [](Bytes& b) { Put16(b, NodeOffset(b, u"CompanyName") + 2, 0x7FFF); },
                  true, true, "Tarnwick"}),
    [](const testing::TestParamInfo<BlockCase>& info) { return std::string(info.param.Name); });

TEST(VersionBlockQuery, EveryTruncationIsSafe)
{
    const Bytes block = SampleBlock();
    for (std::size_t n = 0; n < block.size(); ++n) {
        const std::span cut(block.data(), n);
        // The root's length no longer fits, so nothing is found.
        ASSERT_FALSE(os::pe::QueryFixedFileInfo(cut)) << n;
        ASSERT_FALSE(os::pe::QueryTranslations(cut)) << n;
        ASSERT_FALSE(os::pe::QueryStringValue(cut, "\\StringFileInfo\\040904b0\\CompanyName")) << n;
    }
}

} // namespace
