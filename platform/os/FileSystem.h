#pragma once
// Files and folders. Paths are UTF-8 text in the platform's own form.
#include <optional>
#include <string>

#include "platform/rtl/DateTime.h"

namespace os {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Both return false on failure; LastError() then tells why.
bool DeleteFile(const std::string& path);
// Moves `from` onto `to` in one step, replacing `to` if it exists, so that a
// reader sees either the old file or the new one, never neither.
bool MoveFileReplace(const std::string& from, const std::string& to);
// The last-write time in local time; nullopt when the file cannot be read.
std::optional<rtl::TDateTime> FileLastWriteLocal(const std::string& path);
std::string GetCurrentDir();
bool SetCurrentDir(const std::string& path);
// Full path of the running executable.
std::string ExecutablePath();
// The UNC form of a path on a drive mapped to a network share; any other
// path comes back as given.
std::string UniversalPath(const std::string& path);
// Makes a file the program fetched runnable where the system needs a mark
// for that (POSIX execute bits); nothing to do on Windows.
bool MakeExecutable(const std::string& path);
bool CreateDir(const std::string& path);

} // namespace os
