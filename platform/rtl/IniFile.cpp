#include "platform/rtl/IniFile.h"

#include "platform/rtl/Convert.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/TextFile.h"

namespace rtl {

namespace {

std::string_view TrimView(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

// One line as the format sees it; name and value point into the line.
struct IniLine {
    enum class Kind { Section, Key, Other } kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};

IniLine Classify(std::string_view line)
{
    const std::string_view t = TrimView(line);
    if (t.empty() || t.front() == ';') return {};
    if (t.front() == '[') {
        const size_t close = t.find(']');
        if (close == std::string_view::npos) return {};
        return {IniLine::Kind::Section, TrimView(t.substr(1, close - 1)), {}};
    }
    const size_t eq = t.find('=');
    if (eq == std::string_view::npos) return {};
    const std::string_view key = TrimView(t.substr(0, eq));
    if (key.empty()) return {};
    return {IniLine::Kind::Key, key, TrimView(t.substr(eq + 1))};
}

// Where a key is, or where it would go.
struct IniPosition {
    int keyLine = -1;       // the line holding the key
    int lastInSection = -1; // the first matching section's header or last key
};

IniPosition Locate(const TStringList& lines, std::string_view section, std::string_view key)
{
    IniPosition pos;
    bool inSection = false;
    bool firstSection = false;
    for (int i = 0; i < lines.Count(); ++i) {
        const IniLine l = Classify(lines[i]);
        if (l.kind == IniLine::Kind::Section) {
            inSection = SameText(l.name, section);
            firstSection = inSection && pos.lastInSection < 0;
            if (firstSection) pos.lastInSection = i;
        } else if (l.kind == IniLine::Kind::Key && inSection) {
            if (SameText(l.name, key)) {
                pos.keyLine = i;
                return pos;
            }
            if (firstSection) pos.lastInSection = i;
        }
    }
    return pos;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

void CheckWritable(std::string_view section, std::string_view key, std::string_view value)
{
    if (section.empty() || HasLineBreak(section) || section.find(']') != std::string_view::npos)
        throw EConvertError("Invalid settings section name \"" + std::string(section) + "\"");
    if (key.empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos || key.front() == ';' ||
        key.front() == '[')
        throw EConvertError("Invalid settings key name \"" + std::string(key) + "\"");
    if (HasLineBreak(value))
        throw EConvertError("The value of settings key \"" + std::string(key) + "\" contains a line break");
}

} // namespace

std::optional<std::string> IniReadValue(const TStringList& lines, std::string_view section, std::string_view key)
{
    const IniPosition pos = Locate(lines, TrimView(section), TrimView(key));
    if (pos.keyLine < 0) return std::nullopt;
    return std::string(Classify(lines[pos.keyLine]).value);
}

void IniWriteValue(TStringList& lines, std::string_view section, std::string_view key, std::string_view value)
{
    section = TrimView(section);
    key = TrimView(key);
    CheckWritable(section, key, value);
    const IniPosition pos = Locate(lines, section, key);
    if (pos.keyLine >= 0) {
        // Keep the key as the file spells it.
        const std::string fileKey(Classify(lines[pos.keyLine]).name);
        lines[pos.keyLine] = fileKey + "=" + std::string(value);
        return;
    }
    std::string line = std::string(key) + "=" + std::string(value);
    if (pos.lastInSection >= 0) {
        lines.Insert(pos.lastInSection + 1, std::move(line));
        return;
    }
    if (lines.Count() > 0 && !TrimView(lines[lines.Count() - 1]).empty()) lines.Add("");
    lines.Add("[" + std::string(section) + "]");
    lines.Add(std::move(line));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    std::optional<TextContent> content;
    try {
        content = ReadTextFileIfExists(fileName_);
    } catch (const Exception&) {
        // Reading settings never fails: a file that cannot be read gives the
        // defaults, as the system's own profile functions do.
        return std::string(defaultValue);
    }
    if (!content) return std::string(defaultValue);
    TStringList lines;
    lines.SetText(content->Text);
    return IniReadValue(lines, section, key).value_or(std::string(defaultValue));
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const
{
    return TryStrToInt(ReadString(section, key, "")).value_or(defaultValue);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    TStringList lines;
    TextEncoding encoding = TextEncoding::Ansi;
    if (std::optional<TextContent> content = ReadTextFileIfExists(fileName_)) {
        lines.SetText(content->Text);
        encoding = content->Encoding;
    }
    IniWriteValue(lines, section, key, value);
    WriteTextFile(fileName_, lines.Text(), encoding);
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

} // namespace rtl
