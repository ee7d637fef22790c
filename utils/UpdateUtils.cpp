#include "utils/UpdateUtils.h"

#include "platform/os/VersionInfo.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

namespace utils {

std::uint16_t SafeStrToInt(const std::string& text)
{
    const auto value = rtl::TryStrToInt(text);
    return value ? static_cast<std::uint16_t>(static_cast<std::uint32_t>(*value) & 0xFFFF) : 0;
}

void ParseVersionStr(TFileVerRec& rec)
{
    rtl::WithErrorPrefix("Version number conversion error: ", [&] {
        rec.Version = {};
        std::string part;
        size_t filled = 0;
        for (const char c : rec.VersionStr) {
            if (c != '.') {
                part += c;
                continue;
            }
            // A fifth or later full stop has no entry left: the last one is
            // rewritten, and the trailing text still decides it below.
            rec.Version[filled < 3 ? filled : 3] = SafeStrToInt(part);
            if (filled < 4) ++filled;
            part.clear();
        }
        if (!part.empty()) rec.Version[3] = SafeStrToInt(part);
    });
}

bool IsVersionNewer(const TFileVerRec& a, const TFileVerRec& b)
{
    TFileVerRec ca = a;
    TFileVerRec cb = b;
    if (!ca.VersionStr.empty()) ParseVersionStr(ca);
    if (!cb.VersionStr.empty()) ParseVersionStr(cb);
    for (size_t i = 0; i < 4; ++i) {
        if (ca.Version[i] != cb.Version[i]) return ca.Version[i] > cb.Version[i];
    }
    return false;
}

TFileVerRec GetFileVersion(const std::string& fileName, std::string& versionText)
{
    versionText.clear();
    TFileVerRec rec;
    try {
        std::uint32_t error = 0;
        const auto info = os::FileVersionInfo::Load(fileName, error);
        const auto fixed = info ? info->Fixed() : std::nullopt;
        if (fixed) {
            rec.Version = {std::uint16_t(fixed->FileVersionMS >> 16), std::uint16_t(fixed->FileVersionMS & 0xFFFF),
                           std::uint16_t(fixed->FileVersionLS >> 16), std::uint16_t(fixed->FileVersionLS & 0xFFFF)};
        }
    } catch (const std::exception&) {
        // Never fails: whatever goes wrong reads as version 0.0.0.0.
        rec.Version = {};
    }
    versionText = rtl::Format("%d.%d.%d.%d", {rec.Version[0], rec.Version[1], rec.Version[2], rec.Version[3]});
    return rec;
}

bool IsFileVersionAtLeast(const std::string& fileName, const std::string& version)
{
    std::string ignored;
    const TFileVerRec file = GetFileVersion(fileName, ignored);
    TFileVerRec wanted;
    wanted.VersionStr = version;
    ParseVersionStr(wanted);
    return !IsVersionNewer(wanted, file);
}

} // namespace utils
