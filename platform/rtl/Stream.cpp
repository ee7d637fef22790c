#include "platform/rtl/Stream.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/Exceptions.h"

namespace rtl {

std::int64_t TStream::Size()
{
    const std::int64_t here = Position();
    const std::int64_t end = Seek(0, SeekOrigin::End);
    SetPosition(here);
    return end;
}

std::int64_t TStream::CopyAllFrom(TStream& source)
{
    source.SetPosition(0);
    char buffer[65536];
    std::int64_t total = 0;
    for (std::size_t n; (n = source.Read(buffer, sizeof buffer)) > 0; total += std::int64_t(n)) Write(buffer, n);
    return total;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count)
{
    if (position_ >= data_.size()) return 0;
    const std::size_t n = std::min(count, data_.size() - position_);
    std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count)
{
    if (count == 0) return;
    if (position_ > data_.size()) data_.resize(position_, '\0');
    const std::size_t overlap = std::min(count, data_.size() - position_);
    data_.replace(position_, overlap, static_cast<const char*>(buffer), count);
    position_ += count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, SeekOrigin origin)
{
    const std::int64_t base = origin == SeekOrigin::Beginning ? 0
                              : origin == SeekOrigin::Current ? std::int64_t(position_)
                                                              : std::int64_t(data_.size());
    const std::int64_t target = base + offset;
    position_ = target < 0 ? 0 : std::size_t(target);
    return std::int64_t(position_);
}

void TMemoryStream::Clear()
{
    data_.clear();
    position_ = 0;
}

} // namespace rtl
