#pragma once
// Settings files in the Windows profile format: "[Section]" headers and
// "key=value" lines. Sections and keys compare without regard to ASCII case;
// blanks around keys and values do not count. Lines of any other kind
// (comments, junk) are kept as they are when the file is rewritten.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/rtl/StringList.h"

namespace rtl {

// The format's rules on lines in memory; TIniFile applies them to its file.
// The value of the first matching key in a section of that name, or nullopt.
std::optional<std::string> IniReadValue(const TStringList& lines, std::string_view section, std::string_view key);
// Sets the key's value where IniReadValue finds it, else adds the key after
// the last key of the section, else adds the section at the end. Raises
// EConvertError for a section or key the format cannot hold, or a value
// with a line break (it would forge further lines).
void IniWriteValue(TStringList& lines, std::string_view section, std::string_view key, std::string_view value);

// Reads the file afresh on every call and writes it through on every call,
// so each write is on disk when the call returns and other readers see it.
class TIniFile {
public:
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    const std::string& FileName() const { return fileName_; }

    // A missing or unreadable file reads as empty: reads give the default.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // The default also when the value is no integer (see TryStrToInt).
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;

    // Rewrites the whole file in its encoding (a new file is ANSI) through
    // WriteTextFile. Raises EFOpenError when the file exists but cannot be
    // read (writing it blind would lose its other settings), EFCreateError
    // when it cannot be written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    std::string fileName_;
};

} // namespace rtl
