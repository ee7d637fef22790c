#pragma once
// Path text helpers, by the platform's separator rules (Windows: "\", "/"
// and the drive colon; POSIX: "/").
#include <string>
#include <string_view>

namespace os {

extern const char PathDelimiter;
bool IsPathDelimiter(char c);
// Folder part with its trailing separator ("" when there is none).
std::string ExtractFilePath(std::string_view path);
std::string ExtractFileName(std::string_view path);
// Replaces the extension (from the last "." of the file name on); adds it
// when there is none.
std::string ChangeFileExt(std::string_view path, std::string_view ext);
std::string IncludeTrailingPathDelimiter(std::string_view path);

} // namespace os
