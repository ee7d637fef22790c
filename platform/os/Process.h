#pragma once
// A started child process and its handles, closed on destruction (the child
// itself keeps running).
#include <cstdint>
#include <memory>
#include <string>

namespace os {

// The exit code the system reports while a process still runs.
inline constexpr std::uint32_t kStillActive = 259;

class Process {
public:
    // Starts `commandLine` as the system would (Windows rules for the first
    // token; no quoting added), inheriting handles, environment and folder,
    // shown normally. Raises rtl::EOSError with the system's code on failure.
    static Process Start(const std::string& commandLine);

    Process(Process&&) noexcept;
    Process& operator=(Process&&) noexcept;
    ~Process();

    // Waits at most `milliseconds`; true when the process has ended.
    bool WaitFor(std::uint32_t milliseconds);
    // The exit code, or kStillActive while it runs.
    std::uint32_t ExitCode();
    void Terminate(std::uint32_t exitCode);

private:
    struct Handles;
    explicit Process(std::unique_ptr<Handles> handles);
    std::unique_ptr<Handles> handles_;
};

void SleepMs(std::uint32_t milliseconds);

} // namespace os
