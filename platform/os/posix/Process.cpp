#include "platform/os/Process.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/os/CommandLine.h"
#include "platform/os/SystemError.h"

extern char** environ;

namespace os {

struct Process::Handles {
    pid_t pid = -1;
    bool reaped = false;
    std::uint32_t exitCode = kStillActive;

    // Collects the child's status once it has ended; true when it has.
    bool Reap(bool block)
    {
        if (reaped) return true;
        int status = 0;
        pid_t r;
        do {
            r = ::waitpid(pid, &status, block ? 0 : WNOHANG);
        } while (r < 0 && errno == EINTR);
        if (r != pid) return false;
        reaped = true;
        exitCode = WIFEXITED(status) ? std::uint32_t(WEXITSTATUS(status)) : std::uint32_t(128 + WTERMSIG(status));
        return true;
    }
};

Process::Process(std::unique_ptr<Handles> handles) : handles_(std::move(handles)) {}
Process::Process(Process&&) noexcept = default;
Process& Process::operator=(Process&&) noexcept = default;

Process::~Process()
{
    // A child still running is left to run, as on Windows; reap it if it has
    // already ended so that no zombie stays behind.
    if (handles_) handles_->Reap(false);
}

Process Process::Start(const std::string& commandLine)
{
    std::vector<std::string> args = SplitCommandLine(commandLine);
    if (args.empty() || args[0].empty()) RaiseOSError(ENOENT);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    auto handles = std::make_unique<Handles>();
    // glibc's posix_spawn reports a failed exec (missing program, no execute
    // permission) as its result, so a start failure is known at once.
    const int rc = args[0].find('/') == std::string::npos
                       ? ::posix_spawnp(&handles->pid, argv[0], nullptr, nullptr, argv.data(), environ)
                       : ::posix_spawn(&handles->pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (rc != 0) RaiseOSError(std::uint32_t(rc));
    return Process(std::move(handles));
}

bool Process::WaitFor(std::uint32_t milliseconds)
{
    const std::uint32_t step = 2;
    for (std::uint32_t waited = 0;; waited += step) {
        if (handles_->Reap(false)) return true;
        if (waited >= milliseconds) return false;
        SleepMs(step);
    }
}

std::uint32_t Process::ExitCode()
{
    handles_->Reap(false);
    return handles_->exitCode;
}

void Process::Terminate(std::uint32_t exitCode)
{
    if (handles_->reaped) return;
    ::kill(handles_->pid, SIGKILL);
    handles_->Reap(true);
    handles_->exitCode = exitCode;
}

void SleepMs(std::uint32_t milliseconds)
{
    timespec ts{time_t(milliseconds / 1000), long(milliseconds % 1000) * 1000000L};
    while (::nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

} // namespace os
