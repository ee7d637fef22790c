#pragma once
// Byte streams: the request and response bodies, files being written, the
// data a caller hands over to post. Position and size are 64-bit.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace rtl {

enum class SeekOrigin { Beginning, Current, End };

class TStream {
public:
    virtual ~TStream() = default;
    // Reads up to `count` bytes at the position; returns how many it read.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes all `count` bytes at the position or raises EInOutError.
    virtual void Write(const void* buffer, std::size_t count) = 0;
    virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(std::int64_t position) { Seek(position, SeekOrigin::Beginning); }
    std::int64_t Size();
    void WriteBytes(std::string_view bytes) { Write(bytes.data(), bytes.size()); }
    // Copies the whole of `source`, from its first byte, to this stream's
    // position; returns the number of bytes copied.
    std::int64_t CopyAllFrom(TStream& source);
};

class TMemoryStream : public TStream {
public:
    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;

    void Clear();
    const std::string& Bytes() const { return data_; }

private:
    std::string data_;
    std::size_t position_ = 0;
};

// A file opened for the life of the object. Others may read it while it is
// open but not write it.
class TFileStream : public TStream {
public:
    enum class Mode { Create, OpenRead };
    // Create: a new file, or an existing one emptied; OpenRead: an existing
    // file for reading. Raises EFCreateError / EFOpenError with the path.
    TFileStream(const std::string& path, Mode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    // Pushes what was written to the system.
    void Flush();

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

} // namespace rtl
