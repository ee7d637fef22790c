#include "platform/os/VersionInfo.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/os/PeVersionReader.h"

namespace os {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Reads exactly `n` bytes at `offset`; a short read means the file shrank
// under us, which is an I/O error as far as the reader is concerned.
bool ReadFully(int fd, std::uint64_t offset, void* dst, std::size_t n, int& error)
{
    auto* out = static_cast<char*>(dst);
    while (n > 0) {
        const ssize_t got = ::pread(fd, out, n, off_t(offset));
        if (got < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (got == 0) {
            error = EIO;
            return false;
        }
        out += got;
        offset += std::uint64_t(got);
        n -= std::size_t(got);
    }
    return true;
}

} // namespace

// Error codes are errno values: those of open/fstat/pread, EISDIR for a
// folder, ENOEXEC for a file that is no PE image (or whose headers are cut
// short), ENODATA for a PE image without a readable version resource.
std::optional<FileVersionInfo> FileVersionInfo::Load(const std::string& path, std::uint32_t& errorCode)
{
    errorCode = 0;
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        errorCode = std::uint32_t(errno);
        return std::nullopt;
    }
    struct stat st{};
    if (::fstat(file.Get(), &st) != 0) {
        errorCode = std::uint32_t(errno);
        return std::nullopt;
    }
    if (S_ISDIR(st.st_mode)) {
        errorCode = EISDIR;
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        errorCode = ENOEXEC;
        return std::nullopt;
    }

    int readError = 0;
    const pe::ReadAt readAt = [&](std::uint64_t offset, void* dst, std::size_t n) {
        return ReadFully(file.Get(), offset, dst, n, readError);
    };
    pe::PeVersionResource found = pe::FindVersionResource(readAt, std::uint64_t(st.st_size));
    switch (found.Status) {
    case pe::PeLookup::Found: return FileVersionInfo(std::move(found.Block));
    case pe::PeLookup::NotAnImage: errorCode = ENOEXEC; break;
    case pe::PeLookup::NoVersionResource: errorCode = ENODATA; break;
    case pe::PeLookup::ReadFailed: errorCode = std::uint32_t(readError ? readError : EIO); break;
    }
    return std::nullopt;
}

std::optional<FixedFileInfo> FileVersionInfo::Fixed() const { return pe::QueryFixedFileInfo(block_); }

std::optional<std::vector<Translation>> FileVersionInfo::Translations() const
{
    return pe::QueryTranslations(block_);
}

std::optional<std::string> FileVersionInfo::StringValue(std::string_view subBlock) const
{
    return pe::QueryStringValue(block_, subBlock);
}

} // namespace os
