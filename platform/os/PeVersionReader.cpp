#include "platform/os/PeVersionReader.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/Utf.h"

namespace os::pe {

namespace {

constexpr std::uint16_t DosMagic = 0x5A4D;        // "MZ"
constexpr std::uint32_t PeSignature = 0x00004550; // "PE\0\0"
constexpr std::uint16_t Pe32Magic = 0x10B;
constexpr std::uint16_t Pe32PlusMagic = 0x20B;
constexpr std::size_t DosHeaderSize = 64;
constexpr std::size_t ELfanewOffset = 0x3C;
constexpr std::size_t PeHeaderSize = 4 + 20; // signature and COFF header
constexpr std::size_t SectionHeaderSize = 40;
constexpr std::size_t DataDirectorySize = 8;
constexpr std::uint32_t ResourceDirectoryIndex = 2;

constexpr std::uint16_t RtVersion = 16;
constexpr std::uint16_t VsVersionInfoId = 1;
constexpr std::uint32_t HighBit = 0x80000000u;
constexpr std::size_t ResourceDirectoryHeaderSize = 16;
constexpr std::size_t ResourceEntrySize = 8;
constexpr std::size_t ResourceDataEntrySize = 16;
// A version resource sits in a small tree; a directory claiming more
// entries than this is garbage, and walking it would only cost time.
constexpr std::size_t MaxResourceEntries = 4096;

constexpr std::uint32_t FixedFileInfoSignature = 0xFEEF04BD;
constexpr std::size_t FixedFileInfoSize = 52;
constexpr std::size_t NodeHeaderSize = 6; // wLength, wValueLength, wType

std::uint16_t Get16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }

std::uint32_t Get32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

std::uint64_t Align4(std::uint64_t n) { return (n + 3) & ~std::uint64_t(3); }

struct Section {
    std::uint32_t VirtualAddress;
    std::uint32_t RawSize;
    std::uint32_t RawPointer;
};

// Reads from the file with every range checked against its size, and
// remembers whether the callback itself failed (an I/O error rather than
// a malformed file).
class Image {
public:
    Image(const ReadAt& readAt, std::uint64_t size) : readAt_(readAt), size_(size) {}

    bool Read(std::uint64_t offset, void* dst, std::size_t n)
    {
        if (offset > size_ || n > size_ - offset) return false;
        if (n == 0) return true;
        if (!readAt_(offset, dst, n)) {
            ioFailed_ = true;
            return false;
        }
        return true;
    }

    bool ReadVector(std::uint64_t offset, std::vector<std::uint8_t>& out, std::size_t n)
    {
        if (offset > size_ || n > size_ - offset) return false; // before allocating
        out.assign(n, 0);
        return Read(offset, out.data(), n);
    }

    bool IoFailed() const { return ioFailed_; }

private:
    const ReadAt& readAt_;
    std::uint64_t size_;
    bool ioFailed_ = false;
};

// Walks the resource tree of an image whose headers have been read.
class ResourceWalker {
public:
    ResourceWalker(Image& image, std::vector<Section> sections, std::uint32_t rootRva)
        : image_(image), sections_(std::move(sections)), rootRva_(rootRva)
    {
    }

    // The resource's bytes, or nullopt when the tree does not lead to one.
    std::optional<std::vector<std::uint8_t>> VersionBlock()
    {
        const auto types = PickEntry(0, Level::Type);
        if (!types) return std::nullopt;
        const auto names = PickEntry(*types, Level::Name);
        if (!names) return std::nullopt;
        const auto data = PickEntry(*names, Level::Language);
        if (!data) return std::nullopt;

        std::uint8_t entry[ResourceDataEntrySize];
        if (!ReadTree(*data, entry, sizeof entry)) return std::nullopt;
        const std::uint32_t dataRva = Get32(entry);
        const std::uint32_t dataSize = Get32(entry + 4);
        if (dataSize == 0 || dataSize > MaxVersionBlockSize) return std::nullopt;
        const auto offset = MapRva(dataRva, dataSize);
        if (!offset) return std::nullopt;
        std::vector<std::uint8_t> block;
        if (!image_.ReadVector(*offset, block, dataSize)) return std::nullopt;
        return block;
    }

private:
    enum class Level { Type, Name, Language };

    // The file offset of `n` bytes at `rva`, all inside one section's data.
    std::optional<std::uint64_t> MapRva(std::uint64_t rva, std::uint64_t n) const
    {
        for (const Section& s : sections_) {
            if (rva >= s.VirtualAddress && rva - s.VirtualAddress <= s.RawSize &&
                n <= s.RawSize - (rva - s.VirtualAddress))
                return std::uint64_t(s.RawPointer) + (rva - s.VirtualAddress);
        }
        return std::nullopt;
    }

    // Reads at an offset from the start of the resource tree.
    bool ReadTree(std::uint32_t treeOffset, void* dst, std::size_t n)
    {
        const auto offset = MapRva(std::uint64_t(rootRva_) + treeOffset, n);
        return offset && image_.Read(*offset, dst, n);
    }

    // At the type level the RT_VERSION entry, at the name level id 1 if
    // present (what the system's version API asks for) else the first
    // entry, at the language level the first entry. Returns the tree offset
    // it points to: a subdirectory above the language level, a data entry
    // at it.
    std::optional<std::uint32_t> PickEntry(std::uint32_t dirOffset, Level level)
    {
        std::uint8_t header[ResourceDirectoryHeaderSize];
        if (!ReadTree(dirOffset, header, sizeof header)) return std::nullopt;
        const std::size_t named = Get16(header + 12);
        const std::size_t ids = Get16(header + 14);
        const std::size_t count = std::min(named + ids, MaxResourceEntries);
        if (count == 0) return std::nullopt;

        std::vector<std::uint8_t> entries(count * ResourceEntrySize);
        const std::uint64_t entriesOffset = std::uint64_t(dirOffset) + ResourceDirectoryHeaderSize;
        if (entriesOffset > UINT32_MAX ||
            !ReadTree(std::uint32_t(entriesOffset), entries.data(), entries.size()))
            return std::nullopt;

        std::optional<std::size_t> chosen;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t name = Get32(&entries[i * ResourceEntrySize]);
            const bool isId = (name & HighBit) == 0;
            const std::uint16_t id = std::uint16_t(name & 0xFFFF);
            if (level == Level::Type) {
                if (isId && id == RtVersion) {
                    chosen = i;
                    break;
                }
            } else if (level == Level::Name && isId && id == VsVersionInfoId) {
                chosen = i;
                break;
            }
        }
        if (!chosen) {
            if (level == Level::Type) return std::nullopt;
            chosen = 0;
        }

        const std::uint32_t target = Get32(&entries[*chosen * ResourceEntrySize + 4]);
        const bool isDirectory = (target & HighBit) != 0;
        if (isDirectory != (level != Level::Language)) return std::nullopt;
        return target & ~HighBit;
    }

    Image& image_;
    std::vector<Section> sections_;
    std::uint32_t rootRva_;
};

PeVersionResource Fail(const Image& image, PeLookup status)
{
    return {image.IoFailed() ? PeLookup::ReadFailed : status, {}};
}

} // namespace

PeVersionResource FindVersionResource(const ReadAt& readAt, std::uint64_t fileSize)
{
    Image image(readAt, fileSize);

    std::uint8_t dos[DosHeaderSize];
    if (!image.Read(0, dos, sizeof dos) || Get16(dos) != DosMagic) return Fail(image, PeLookup::NotAnImage);
    const std::uint64_t peOffset = Get32(dos + ELfanewOffset);

    std::uint8_t pe[PeHeaderSize];
    if (!image.Read(peOffset, pe, sizeof pe) || Get32(pe) != PeSignature)
        return Fail(image, PeLookup::NotAnImage);
    const std::size_t sectionCount = Get16(pe + 4 + 2);
    const std::size_t optionalSize = Get16(pe + 4 + 16);

    std::vector<std::uint8_t> optional;
    const std::uint64_t optionalOffset = peOffset + PeHeaderSize;
    if (optionalSize < 2 || !image.ReadVector(optionalOffset, optional, optionalSize))
        return Fail(image, PeLookup::NotAnImage);
    std::size_t countOffset = 0; // NumberOfRvaAndSizes
    switch (Get16(optional.data())) {
    case Pe32Magic: countOffset = 92; break;
    case Pe32PlusMagic: countOffset = 108; break;
    default: return Fail(image, PeLookup::NotAnImage);
    }
    if (optionalSize < countOffset + 4) return Fail(image, PeLookup::NotAnImage);

    // The section table comes right after the optional header; without it
    // no RVA can be mapped, so a file cut inside it is no image.
    std::vector<std::uint8_t> table;
    if (!image.ReadVector(optionalOffset + optionalSize, table, sectionCount * SectionHeaderSize))
        return Fail(image, PeLookup::NotAnImage);
    std::vector<Section> sections;
    sections.reserve(sectionCount);
    for (std::size_t i = 0; i < sectionCount; ++i) {
        const std::uint8_t* s = &table[i * SectionHeaderSize];
        sections.push_back({Get32(s + 12), Get32(s + 16), Get32(s + 20)});
    }

    const std::uint32_t directoryCount = Get32(&optional[countOffset]);
    const std::size_t resourceEntry = countOffset + 4 + ResourceDirectoryIndex * DataDirectorySize;
    if (directoryCount <= ResourceDirectoryIndex || optionalSize < resourceEntry + DataDirectorySize)
        return Fail(image, PeLookup::NoVersionResource);
    const std::uint32_t resourceRva = Get32(&optional[resourceEntry]);
    const std::uint32_t resourceSize = Get32(&optional[resourceEntry + 4]);
    if (resourceRva == 0 || resourceSize == 0) return Fail(image, PeLookup::NoVersionResource);

    ResourceWalker walker(image, std::move(sections), resourceRva);
    auto block = walker.VersionBlock();
    if (!block) return Fail(image, PeLookup::NoVersionResource);
    return {PeLookup::Found, std::move(*block)};
}

PeVersionResource FindVersionResource(std::span<const std::uint8_t> image)
{
    const ReadAt readAt = [image](std::uint64_t offset, void* dst, std::size_t n) {
        std::memcpy(dst, image.data() + offset, n);
        return true;
    };
    return FindVersionResource(readAt, image.size());
}

namespace {

// One node of a version block: wLength, wValueLength, wType, the key with
// its NUL, padding to 32 bits, the value, padding, the children. Offsets
// are from the start of the block, which the system keeps 32-bit aligned.
struct Node {
    std::size_t End = 0;
    std::size_t KeyBegin = 0;
    std::size_t KeyUnits = 0; // without the NUL
    std::size_t ValueBegin = 0;
    std::size_t ValueEnd = 0; // cut to End
    bool Text = false;
    std::uint64_t ChildrenBegin = 0;
};

// The node at `pos`, which must lie wholly before `limit`.
std::optional<Node> ParseNode(std::span<const std::uint8_t> block, std::size_t pos, std::size_t limit)
{
    if (pos > limit || limit - pos < NodeHeaderSize) return std::nullopt;
    const std::uint8_t* p = block.data() + pos;
    const std::size_t length = Get16(p);
    if (length < NodeHeaderSize || length > limit - pos) return std::nullopt;

    Node node;
    node.End = pos + length;
    const std::uint16_t type = Get16(p + 4);
    node.Text = type != 0;
    node.KeyBegin = pos + NodeHeaderSize;
    std::size_t k = node.KeyBegin;
    while (k + 2 <= node.End && Get16(block.data() + k) != 0) k += 2;
    if (k + 2 > node.End) return std::nullopt; // key without its NUL
    node.KeyUnits = (k - node.KeyBegin) / 2;

    const std::uint64_t valueBytes = std::uint64_t(Get16(p + 2)) * (node.Text ? 2 : 1);
    const std::uint64_t valueBegin = Align4(k + 2);
    node.ValueBegin = std::size_t(std::min<std::uint64_t>(valueBegin, node.End));
    node.ValueEnd = std::size_t(std::min<std::uint64_t>(valueBegin + valueBytes, node.End));
    node.ChildrenBegin = Align4(valueBegin + valueBytes);
    return node;
}

char16_t FoldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c; }

bool KeyEquals(std::span<const std::uint8_t> block, const Node& node, std::u16string_view name)
{
    if (node.KeyUnits != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = char16_t(Get16(block.data() + node.KeyBegin + 2 * i));
        if (FoldAscii(c) != FoldAscii(name[i])) return false;
    }
    return true;
}

std::optional<Node> FindChild(std::span<const std::uint8_t> block, const Node& parent, std::u16string_view name)
{
    // Every node is at least 6 bytes long, so each step moves on.
    for (std::uint64_t pos = parent.ChildrenBegin; pos < parent.End;) {
        const auto child = ParseNode(block, std::size_t(pos), parent.End);
        if (!child) return std::nullopt;
        if (KeyEquals(block, *child, name)) return child;
        pos = Align4(child->End);
    }
    return std::nullopt;
}

} // namespace

std::optional<BlockValue> QueryValue(std::span<const std::uint8_t> block, std::string_view subBlock)
{
    // A block in the old 16-bit layout has ANSI key text where wType sits.
    if (block.size() >= NodeHeaderSize && block[4] >= 0x20) return std::nullopt;
    auto node = ParseNode(block, 0, block.size());
    if (!node) return std::nullopt;

    std::size_t start = 0;
    while (start < subBlock.size()) {
        std::size_t stop = subBlock.find('\\', start);
        if (stop == std::string_view::npos) stop = subBlock.size();
        if (stop > start) {
            const std::u16string name = rtl::Utf8ToUtf16(subBlock.substr(start, stop - start));
            node = FindChild(block, *node, name);
            if (!node) return std::nullopt;
        }
        start = stop + 1;
    }
    return BlockValue{block.subspan(node->ValueBegin, node->ValueEnd - node->ValueBegin), node->Text};
}

std::optional<FixedFileInfo> DecodeFixedFileInfo(std::span<const std::uint8_t> value)
{
    if (value.size() < FixedFileInfoSize || Get32(value.data()) != FixedFileInfoSignature) return std::nullopt;
    FixedFileInfo info;
    info.FileVersionMS = Get32(value.data() + 8);
    info.FileVersionLS = Get32(value.data() + 12);
    info.ProductVersionMS = Get32(value.data() + 16);
    info.ProductVersionLS = Get32(value.data() + 20);
    return info;
}

std::vector<Translation> DecodeTranslations(std::span<const std::uint8_t> value)
{
    std::vector<Translation> out;
    out.reserve(value.size() / 4);
    for (std::size_t i = 0; i + 4 <= value.size(); i += 4)
        out.push_back({Get16(value.data() + i), Get16(value.data() + i + 2)});
    return out;
}

std::string DecodeText(std::span<const std::uint8_t> value)
{
    std::u16string text;
    for (std::size_t i = 0; i + 2 <= value.size(); i += 2) {
        const char16_t c = char16_t(Get16(value.data() + i));
        if (c == 0) break;
        text.push_back(c);
    }
    return rtl::Utf16ToUtf8(text);
}

std::optional<FixedFileInfo> QueryFixedFileInfo(std::span<const std::uint8_t> block)
{
    const auto value = QueryValue(block, "\\");
    if (!value) return std::nullopt;
    return DecodeFixedFileInfo(value->Bytes);
}

std::optional<std::vector<Translation>> QueryTranslations(std::span<const std::uint8_t> block)
{
    const auto value = QueryValue(block, "\\VarFileInfo\\Translation");
    if (!value) return std::nullopt;
    return DecodeTranslations(value->Bytes);
}

std::optional<std::string> QueryStringValue(std::span<const std::uint8_t> block, std::string_view subBlock)
{
    const auto value = QueryValue(block, subBlock);
    if (!value) return std::nullopt;
    return DecodeText(value->Bytes);
}

} // namespace os::pe
