#include "platform/rtl/StringList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

namespace rtl {

void TStringList::CheckIndex(int index, int limit) const
{
    if (index < 0 || index >= limit) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

int TStringList::Add(std::string line)
{
    lines_.push_back(std::move(line));
    return Count() - 1;
}

void TStringList::Insert(int index, std::string line)
{
    CheckIndex(index, Count() + 1);
    lines_.insert(lines_.begin() + index, std::move(line));
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count());
    lines_.erase(lines_.begin() + index);
}

void TStringList::Clear() { lines_.clear(); }

std::string& TStringList::operator[](int index)
{
    CheckIndex(index, Count());
    return lines_[size_t(index)];
}

const std::string& TStringList::operator[](int index) const
{
    CheckIndex(index, Count());
    return lines_[size_t(index)];
}

int TStringList::IndexOf(std::string_view line) const
{
    for (int i = 0; i < Count(); ++i)
        if (SameText(lines_[size_t(i)], line)) return i;
    return -1;
}

int TStringList::IndexOfName(std::string_view name) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string_view line = lines_[size_t(i)];
        const size_t eq = line.find('=');
        if (eq != std::string_view::npos && SameText(line.substr(0, eq), name)) return i;
    }
    return -1;
}

std::string TStringList::Values(std::string_view name) const
{
    const int i = IndexOfName(name);
    if (i < 0) return {};
    const std::string& line = lines_[size_t(i)];
    return line.substr(line.find('=') + 1);
}

std::string TStringList::Text() const
{
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStringList::SetText(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t brk = text.find_first_of("\r\n", start);
        if (brk == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, brk - start));
        start = brk + 1;
        if (text[brk] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    lines_ = std::move(lines);
}

void TStringList::LoadFromFile(const std::string& path)
{
    TextContent content = ReadTextFile(path);
    SetText(content.Text);
    encoding_ = content.Encoding;
}

void TStringList::SaveToFile(const std::string& path) const { WriteTextFile(path, Text(), encoding_); }

} // namespace rtl
