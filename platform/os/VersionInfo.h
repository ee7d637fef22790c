#pragma once
// The version information of an executable file (its RT_VERSION resource),
// read the way the system's version API reads it. On Windows through
// GetFileVersionInfoW/VerQueryValueW; elsewhere through our own bounds-checked
// PE reader (PeVersionReader.h), which gives the same answers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace os {

struct FixedFileInfo {
    std::uint32_t FileVersionMS = 0;
    std::uint32_t FileVersionLS = 0;
    std::uint32_t ProductVersionMS = 0;
    std::uint32_t ProductVersionLS = 0;
};

struct Translation {
    std::uint16_t Language = 0;
    std::uint16_t CodePage = 0;
};

class FileVersionInfo {
public:
    // Reads the file's version block. nullopt when the file has none or
    // cannot be read; `errorCode` then holds the system's reason.
    static std::optional<FileVersionInfo> Load(const std::string& path, std::uint32_t& errorCode);

    // The root block "\": nullopt when it is missing or malformed.
    std::optional<FixedFileInfo> Fixed() const;
    // "\VarFileInfo\Translation": nullopt when missing.
    std::optional<std::vector<Translation>> Translations() const;
    // A text value such as "\StringFileInfo\040904b0\SpecialBuild"; nullopt
    // when missing. Names are compared without regard to case.
    std::optional<std::string> StringValue(std::string_view subBlock) const;

    const std::vector<std::uint8_t>& Block() const { return block_; }

private:
    explicit FileVersionInfo(std::vector<std::uint8_t> block) : block_(std::move(block)) {}
    std::vector<std::uint8_t> block_;
};

} // namespace os
