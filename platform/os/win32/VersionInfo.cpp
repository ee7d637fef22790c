#include "platform/os/VersionInfo.h"

#include <algorithm>

#include <windows.h>

#include "platform/os/PeVersionReader.h"
#include "platform/rtl/win32/WideText.h"

namespace os {

namespace {

// A value as VerQueryValueW finds it, copied out of the block. The query
// runs on a private copy because for old 16-bit blocks the system writes
// converted text into the spare end of the buffer it is given.
std::optional<std::vector<std::uint8_t>> Query(const std::vector<std::uint8_t>& block, std::string_view subBlock,
                                               std::size_t unitSize)
{
    std::vector<std::uint8_t> scratch = block;
    void* value = nullptr;
    UINT length = 0;
    if (scratch.empty() || !VerQueryValueW(scratch.data(), rtl::win32::Widen(subBlock).c_str(), &value, &length))
        return std::nullopt;
    const auto* begin = static_cast<const std::uint8_t*>(value);
    const std::uint8_t* end = scratch.data() + scratch.size();
    if (length == 0) return std::vector<std::uint8_t>();
    // The length comes from the file: never let it reach past the buffer.
    if (!begin || begin < scratch.data() || begin >= end) return std::nullopt;
    const std::size_t bytes = std::min<std::size_t>(std::size_t(length) * unitSize, std::size_t(end - begin));
    return std::vector<std::uint8_t>(begin, begin + bytes);
}

} // namespace

// Error codes are GetLastError values from the version API (for instance
// ERROR_FILE_NOT_FOUND, ERROR_RESOURCE_TYPE_NOT_FOUND, ERROR_BAD_EXE_FORMAT).
std::optional<FileVersionInfo> FileVersionInfo::Load(const std::string& path, std::uint32_t& errorCode)
{
    errorCode = 0;
    const std::wstring widePath = rtl::win32::Widen(path);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(widePath.c_str(), &handle);
    if (size == 0) {
        errorCode = GetLastError();
        if (errorCode == 0) errorCode = ERROR_RESOURCE_DATA_NOT_FOUND;
        return std::nullopt;
    }
    std::vector<std::uint8_t> block(size, 0);
    if (!GetFileVersionInfoW(widePath.c_str(), 0, size, block.data())) {
        errorCode = GetLastError();
        if (errorCode == 0) errorCode = ERROR_RESOURCE_DATA_NOT_FOUND;
        return std::nullopt;
    }
    return FileVersionInfo(std::move(block));
}

std::optional<FixedFileInfo> FileVersionInfo::Fixed() const
{
    const auto value = Query(block_, "\\", 1);
    if (!value) return std::nullopt;
    return pe::DecodeFixedFileInfo(*value);
}

std::optional<std::vector<Translation>> FileVersionInfo::Translations() const
{
    const auto value = Query(block_, "\\VarFileInfo\\Translation", 1);
    if (!value) return std::nullopt;
    return pe::DecodeTranslations(*value);
}

std::optional<std::string> FileVersionInfo::StringValue(std::string_view subBlock) const
{
    // Text values count their length in UTF-16 units.
    const auto value = Query(block_, subBlock, sizeof(WCHAR));
    if (!value) return std::nullopt;
    return pe::DecodeText(*value);
}

} // namespace os
