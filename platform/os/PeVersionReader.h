#pragma once
// Finding the version resource of a PE image and answering queries on the
// version block, in portable code. Everything that comes from the file is
// checked: whatever the bytes, nothing is read out of bounds, no loop runs
// unbounded, and anything malformed reads as "not found".
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/VersionInfo.h"

namespace os::pe {

// Reads `n` bytes at `offset` into `dst`; false when that fails. The reader
// only asks for ranges inside the file size it was given.
using ReadAt = std::function<bool(std::uint64_t offset, void* dst, std::size_t n)>;

// Larger version blocks are refused rather than read: real ones are a few KB.
inline constexpr std::size_t MaxVersionBlockSize = 1024 * 1024;

enum class PeLookup {
    Found,
    NotAnImage,        // no MZ/PE headers, or headers cut short or malformed
    NoVersionResource, // a PE image without a usable RT_VERSION resource
    ReadFailed,        // the ReadAt callback reported an error
};

struct PeVersionResource {
    PeLookup Status = PeLookup::NotAnImage;
    std::vector<std::uint8_t> Block; // the resource's bytes when Found
};

// The first RT_VERSION resource of a PE32 or PE32+ image (name id 1 if there
// is one, else the first name; the first language under it).
PeVersionResource FindVersionResource(const ReadAt& readAt, std::uint64_t fileSize);
PeVersionResource FindVersionResource(std::span<const std::uint8_t> image);

// A value in a version block, as VerQueryValueW finds it: the path's
// components ("\StringFileInfo\040904b0\CompanyName") name child nodes,
// compared without regard to case (ASCII letters); "\" is the root's value.
struct BlockValue {
    std::span<const std::uint8_t> Bytes; // cut to the node's end
    bool Text = false;                   // UTF-16 text rather than binary
};
std::optional<BlockValue> QueryValue(std::span<const std::uint8_t> block, std::string_view subBlock);

// Decoders shared by both backends for what a query returns.
// VS_FIXEDFILEINFO: needs the full structure and its signature.
std::optional<FixedFileInfo> DecodeFixedFileInfo(std::span<const std::uint8_t> value);
// (language, code page) pairs; a trailing partial pair is ignored.
std::vector<Translation> DecodeTranslations(std::span<const std::uint8_t> value);
// UTF-16LE text up to its NUL (or the end), as UTF-8.
std::string DecodeText(std::span<const std::uint8_t> value);

// The three queries VersionInfo makes, on a block in memory.
std::optional<FixedFileInfo> QueryFixedFileInfo(std::span<const std::uint8_t> block);
std::optional<std::vector<Translation>> QueryTranslations(std::span<const std::uint8_t> block);
std::optional<std::string> QueryStringValue(std::span<const std::uint8_t> block, std::string_view subBlock);

} // namespace os::pe
