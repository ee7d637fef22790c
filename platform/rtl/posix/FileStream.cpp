#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"

namespace rtl {

struct TFileStream::Handle {
    int fd = -1;
    std::string path;
};

TFileStream::TFileStream(const std::string& path, Mode mode) : handle_(std::make_unique<Handle>())
{
    handle_->path = path;
    handle_->fd = mode == Mode::Create ? ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)
                                       : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle_->fd < 0) {
        const std::string reason = std::strerror(errno);
        if (mode == Mode::Create) throw EFCreateError("Cannot create file \"" + path + "\". " + reason);
        throw EFOpenError("Cannot open file \"" + path + "\". " + reason);
    }
}

TFileStream::~TFileStream()
{
    if (handle_ && handle_->fd >= 0) ::close(handle_->fd);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count)
{
    for (;;) {
        const ssize_t n = ::read(handle_->fd, buffer, count);
        if (n >= 0) return std::size_t(n);
        if (errno != EINTR) throw EInOutError("Read error on \"" + handle_->path + "\". " + std::strerror(errno), std::uint32_t(errno));
    }
}

void TFileStream::Write(const void* buffer, std::size_t count)
{
    const char* p = static_cast<const char*>(buffer);
    while (count > 0) {
        const ssize_t n = ::write(handle_->fd, p, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw EInOutError("Write error on \"" + handle_->path + "\". " + std::strerror(errno), std::uint32_t(errno));
        p += n;
        count -= std::size_t(n);
    }
}

std::int64_t TFileStream::Seek(std::int64_t offset, SeekOrigin origin)
{
    const int whence = origin == SeekOrigin::Beginning ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
    const off_t r = ::lseek(handle_->fd, off_t(offset), whence);
    if (r < 0) throw EInOutError("Seek error on \"" + handle_->path + "\". " + std::strerror(errno), std::uint32_t(errno));
    return std::int64_t(r);
}

void TFileStream::Flush() { ::fsync(handle_->fd); }

} // namespace rtl
