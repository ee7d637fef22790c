#pragma once
// A list of text lines with the name=value lookups the program relies on.
// Names and lines compare without regard to ASCII case.
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/TextFile.h"

namespace rtl {

class TStringList {
public:
    // Appends a line and returns its index.
    int Add(std::string line);
    void Insert(int index, std::string line); // index may equal Count()
    void Delete(int index);
    void Clear();
    int Count() const { return int(lines_.size()); }

    // Out-of-range indexes raise Exception "List index out of bounds (<i>)".
    std::string& operator[](int index);
    const std::string& operator[](int index) const;
    std::string& Strings(int index) { return (*this)[index]; }
    const std::string& Strings(int index) const { return (*this)[index]; }

    // The index of the first line equal to `line`, or -1.
    int IndexOf(std::string_view line) const;
    // The index of the first line whose part before its first "=" is `name`,
    // exactly (blanks count), or -1. A line without "=" has no name.
    int IndexOfName(std::string_view name) const;
    // What follows the first "=" of the line IndexOfName finds; empty when
    // there is none.
    std::string Values(std::string_view name) const;

    // Every line followed by CR LF.
    std::string Text() const;
    // Replaces the lines: breaks are CR LF, LF or CR, and a break at the end
    // does not start another line.
    void SetText(std::string_view text);

    // Replaces the lines with the file's text and remembers its encoding;
    // on failure (EFOpenError, EInOutError) the list is left as it was.
    void LoadFromFile(const std::string& path);
    // Writes the lines in the remembered encoding (ANSI when nothing was
    // loaded), replacing the file safely (see WriteTextFile).
    void SaveToFile(const std::string& path) const;
    TextEncoding Encoding() const { return encoding_; }

private:
    void CheckIndex(int index, int limit) const;

    std::vector<std::string> lines_;
    TextEncoding encoding_ = TextEncoding::Ansi;
};

} // namespace rtl
