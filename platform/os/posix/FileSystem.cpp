#include "platform/os/FileSystem.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace os {

bool FileExists(const std::string& path)
{
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path)
{
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool MoveFileReplace(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

std::optional<rtl::TDateTime> FileLastWriteLocal(const std::string& path)
{
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    std::tm local{};
    const std::time_t t = st.st_mtime;
    localtime_r(&t, &local);
    return rtl::EncodeDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                local.tm_min, local.tm_sec, int(st.st_mtim.tv_nsec / 1000000)});
}

std::string GetCurrentDir()
{
    char buf[PATH_MAX];
    return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

bool SetCurrentDir(const std::string& path) { return ::chdir(path.c_str()) == 0; }

std::string ExecutablePath()
{
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, size_t(n)) : std::string();
}

std::string UniversalPath(const std::string& path) { return path; }

bool MakeExecutable(const std::string& path)
{
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return false;
    // Execute for whoever may read it, as an installer expects.
    const mode_t wanted = st.st_mode | ((st.st_mode & 0444) >> 2);
    return wanted == st.st_mode || ::chmod(path.c_str(), wanted) == 0;
}

bool CreateDir(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0; }

} // namespace os
