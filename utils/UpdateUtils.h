#pragma once
// Version numbers a.b.c.d and the file versions of executables.
#include <array>
#include <cstdint>
#include <string>

namespace utils {

struct TFileVerRec {
    // Entry 0 is the most significant part (before the first full stop).
    std::array<std::uint16_t, 4> Version{};
    // The same version as text. When not empty, comparisons read the numbers
    // from it and ignore Version.
    std::string VersionStr;
};

// The runtime's integer conversion cut to its low 16 bits; 0 for anything
// that does not convert.
std::uint16_t SafeStrToInt(const std::string& text);
// Fills Version from VersionStr: each part ending in a full stop fills the
// next entry from the first; the text after the last full stop always goes
// to the last entry.
void ParseVersionStr(TFileVerRec& rec);
// True when A is strictly newer than B, part by part.
bool IsVersionNewer(const TFileVerRec& a, const TFileVerRec& b);
// The fixed file version of a file's version resource, and its text
// "a.b.c.d"; all zero and "0.0.0.0" when the file has none. Never fails.
TFileVerRec GetFileVersion(const std::string& fileName, std::string& versionText);
// True when the file's version is equal to or newer than `version`.
bool IsFileVersionAtLeast(const std::string& fileName, const std::string& version);

} // namespace utils
