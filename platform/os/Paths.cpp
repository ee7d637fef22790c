#include "platform/os/Paths.h"

namespace os {

namespace {
// Index just past the last separator (or drive colon), 0 when there is none.
size_t FileNameStart(std::string_view path)
{
    size_t i = path.size();
    while (i > 0 && !IsPathDelimiter(path[i - 1])) --i;
    return i;
}
} // namespace

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, FileNameStart(path))); }

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(FileNameStart(path))); }

std::string ChangeFileExt(std::string_view path, std::string_view ext)
{
    const size_t nameStart = FileNameStart(path);
    const size_t dot = path.rfind('.');
    const size_t stem = (dot != std::string_view::npos && dot >= nameStart) ? dot : path.size();
    return std::string(path.substr(0, stem)) + std::string(ext);
}

std::string IncludeTrailingPathDelimiter(std::string_view path)
{
    std::string r(path);
    if (r.empty() || r.back() != PathDelimiter) r += PathDelimiter;
    return r;
}

} // namespace os
