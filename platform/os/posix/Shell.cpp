#include "platform/os/Shell.h"

#include <cerrno>
#include <spawn.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/os/CommandLine.h"
#include "platform/os/SystemError.h"

extern char** environ;

namespace os {

namespace {
constexpr int kShellOk = 33;
constexpr int kShellFileNotFound = 2;
constexpr int kShellAccessDenied = 5;

bool IsUrl(std::string_view s) { return s.rfind("http://", 0) == 0 || s.rfind("https://", 0) == 0; }

// Starts argv without waiting; the child is reaped by a short-lived
// intermediate so that nothing lingers as a zombie.
int Launch(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t middle = ::fork();
    if (middle < 0) return kShellAccessDenied;
    if (middle == 0) {
        pid_t child;
        const int rc = args[0].find('/') == std::string::npos
                           ? ::posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ)
                           : ::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ);
        ::_exit(rc == 0 ? 0 : (rc == ENOENT ? 2 : 5));
    }
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : kShellAccessDenied;
    if (code == 0) return kShellOk;
    SetLastError(code == 2 ? ENOENT : EACCES);
    return code;
}
} // namespace

int ShellOpen(WindowHandle, const std::string& file, const std::string& parameters)
{
    if (IsUrl(file)) return Launch({"xdg-open", file});
    struct stat st{};
    if (::stat(file.c_str(), &st) != 0) {
        SetLastError(ENOENT);
        return kShellFileNotFound;
    }
    if (S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR)) {
        std::vector<std::string> args{file};
        for (auto& a : SplitCommandLine("x " + parameters)) args.push_back(a);
        args.erase(args.begin() + 1);
        return Launch(std::move(args));
    }
    // A document: hand it to the desktop's opener, as Explorer would.
    return Launch({"xdg-open", file});
}

} // namespace os
