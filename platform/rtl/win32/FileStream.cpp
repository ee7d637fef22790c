#include <windows.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/win32/WideText.h"

namespace rtl {

namespace {
std::string SystemText(DWORD code)
{
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = n > 0 && buffer ? win32::Narrow(std::wstring_view(buffer, n)) : "error " + std::to_string(code);
    if (buffer) LocalFree(buffer);
    return TrimRight(text);
}
} // namespace

struct TFileStream::Handle {
    HANDLE file = INVALID_HANDLE_VALUE;
    std::string path;
};

TFileStream::TFileStream(const std::string& path, Mode mode) : handle_(std::make_unique<Handle>())
{
    handle_->path = path;
    const std::wstring wide = win32::Widen(path);
    // Others may read while we hold the file, never write it.
    handle_->file = mode == Mode::Create
                        ? CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr)
                        : CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_->file == INVALID_HANDLE_VALUE) {
        const std::string reason = SystemText(GetLastError());
        if (mode == Mode::Create) throw EFCreateError("Cannot create file \"" + path + "\". " + reason);
        throw EFOpenError("Cannot open file \"" + path + "\". " + reason);
    }
}

TFileStream::~TFileStream()
{
    if (handle_ && handle_->file != INVALID_HANDLE_VALUE) CloseHandle(handle_->file);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count)
{
    DWORD got = 0;
    if (!ReadFile(handle_->file, buffer, DWORD(count), &got, nullptr))
        throw EInOutError("Read error on \"" + handle_->path + "\". " + SystemText(GetLastError()), GetLastError());
    return got;
}

void TFileStream::Write(const void* buffer, std::size_t count)
{
    const char* p = static_cast<const char*>(buffer);
    while (count > 0) {
        DWORD put = 0;
        if (!WriteFile(handle_->file, p, DWORD(count), &put, nullptr) || put == 0)
            throw EInOutError("Write error on \"" + handle_->path + "\". " + SystemText(GetLastError()), GetLastError());
        p += put;
        count -= put;
    }
}

std::int64_t TFileStream::Seek(std::int64_t offset, SeekOrigin origin)
{
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER result;
    const DWORD method = origin == SeekOrigin::Beginning ? FILE_BEGIN : origin == SeekOrigin::Current ? FILE_CURRENT : FILE_END;
    if (!SetFilePointerEx(handle_->file, distance, &result, method))
        throw EInOutError("Seek error on \"" + handle_->path + "\". " + SystemText(GetLastError()), GetLastError());
    return result.QuadPart;
}

void TFileStream::Flush() { FlushFileBuffers(handle_->file); }

} // namespace rtl
