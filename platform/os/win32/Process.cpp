#include "platform/os/Process.h"

#include <windows.h>

#include "platform/os/SystemError.h"
#include "platform/rtl/win32/WideText.h"

namespace os {

struct Process::Handles {
    PROCESS_INFORMATION info{};
    ~Handles()
    {
        if (info.hThread) CloseHandle(info.hThread);
        if (info.hProcess) CloseHandle(info.hProcess);
    }
};

Process::Process(std::unique_ptr<Handles> handles) : handles_(std::move(handles)) {}
Process::Process(Process&&) noexcept = default;
Process& Process::operator=(Process&&) noexcept = default;
Process::~Process() = default;

Process Process::Start(const std::string& commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring mutableLine = rtl::win32::Widen(commandLine);
    auto handles = std::make_unique<Handles>();
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &handles->info))
        RaiseLastOSError();
    return Process(std::move(handles));
}

bool Process::WaitFor(std::uint32_t milliseconds)
{
    return WaitForSingleObject(handles_->info.hProcess, milliseconds) == WAIT_OBJECT_0;
}

std::uint32_t Process::ExitCode()
{
    DWORD code = kStillActive;
    if (!GetExitCodeProcess(handles_->info.hProcess, &code)) RaiseLastOSError();
    return code;
}

void Process::Terminate(std::uint32_t exitCode) { TerminateProcess(handles_->info.hProcess, exitCode); }

void SleepMs(std::uint32_t milliseconds) { Sleep(milliseconds); }

} // namespace os
