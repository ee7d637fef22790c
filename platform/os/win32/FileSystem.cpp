#include "platform/os/FileSystem.h"

#include <windows.h>
#include <winnetwk.h>
// windows.h maps DeleteFile to DeleteFileW; ours is a function of its own.
#undef DeleteFile

#include <vector>

#include "platform/rtl/win32/WideText.h"

using rtl::win32::Narrow;
using rtl::win32::Widen;

namespace os {

bool FileExists(const std::string& path)
{
    const DWORD a = GetFileAttributesW(Widen(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path)
{
    const DWORD a = GetFileAttributesW(Widen(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DeleteFile(const std::string& path) { return ::DeleteFileW(Widen(path).c_str()) != 0; }

bool MoveFileReplace(const std::string& from, const std::string& to)
{
    return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::optional<rtl::TDateTime> FileLastWriteLocal(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &st))
        return std::nullopt;
    return rtl::EncodeDateTime({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds});
}

std::string GetCurrentDir()
{
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring buf(n, L'\0');
    const DWORD got = GetCurrentDirectoryW(n, buf.data());
    buf.resize(got < n ? got : 0);
    return Narrow(buf);
}

bool SetCurrentDir(const std::string& path) { return SetCurrentDirectoryW(Widen(path).c_str()) != 0; }

std::string ExecutablePath()
{
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), DWORD(buf.size()));
        if (n == 0) return std::string();
        if (n < buf.size()) {
            buf.resize(n);
            return Narrow(buf);
        }
        buf.resize(buf.size() * 2);
    }
}

std::string UniversalPath(const std::string& path)
{
    const std::wstring wide = Widen(path);
    DWORD size = 1024;
    std::vector<unsigned char> buf(size);
    DWORD rc = WNetGetUniversalNameW(wide.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buf.data(), &size);
    if (rc == ERROR_MORE_DATA) {
        buf.resize(size);
        rc = WNetGetUniversalNameW(wide.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buf.data(), &size);
    }
    // Local paths answer "not connected" (or similar): they stay as given.
    if (rc != NO_ERROR) return path;
    const auto* info = reinterpret_cast<const UNIVERSAL_NAME_INFOW*>(buf.data());
    return info->lpUniversalName ? Narrow(info->lpUniversalName) : path;
}

bool MakeExecutable(const std::string& path) { return FileExists(path); }

bool CreateDir(const std::string& path) { return CreateDirectoryW(Widen(path).c_str(), nullptr) != 0; }

} // namespace os
