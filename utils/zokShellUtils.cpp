#include "utils/zokShellUtils.h"

#include <chrono>
#include <optional>

#include "platform/os/Process.h"
#include "platform/os/Registry.h"
#include "platform/os/SystemInfo.h"
#include "platform/rtl/Exceptions.h"

namespace utils {

namespace {
// One pass of the wait: a short wait on the process, then a pause, so that
// a pass lasts at least 30 ms.
constexpr std::uint32_t kPassWaitMs = 10;
constexpr std::uint32_t kPassSleepMs = 20;
constexpr std::uint32_t kVistaMajorVersion = 6;
} // namespace

std::uint32_t ExecuteAndWait(const std::string& commandLine, std::int32_t timeoutMs)
{
    // A monotonic clock: a change of the wall clock while an installer runs
    // must neither kill it early nor let it run on past its limit.
    const auto start = std::chrono::steady_clock::now();

    std::optional<os::Process> process;
    try {
        process.emplace(os::Process::Start(commandLine));
    } catch (rtl::EOSError& e) {
        e.Message = "A problem occurred when trying to run " + commandLine + "\rThe exception was: " + e.Message;
        throw;
    }

    std::uint32_t exitCode;
    bool ended;
    do {
        // An exit code of 259 looks like a running process: the signalled
        // handle is what ends the wait.
        ended = process->WaitFor(kPassWaitMs);
        exitCode = process->ExitCode();
        os::SleepMs(kPassSleepMs);
        if (timeoutMs > 0) {
            const auto elapsed =
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
            if (elapsed.count() > timeoutMs) {
                process->Terminate(0);
                throw rtl::Exception(commandLine + " exceeded timeout setting and has been closed.");
            }
        }
    } while (exitCode == os::kStillActive && !ended);
    return exitCode;
}

bool IsUACEnabled()
{
    if (os::GetMajorVersion() < kVistaMajorVersion) return false;
    const auto key = os::RegistryKey::OpenLocalMachineReadOnly("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System");
    if (!key) return false;
    return key->ReadInteger("EnableLUA") == 1;
}

} // namespace utils
