// Settings text from outside: decoding by the byte-order mark, the string
// list's lookups, the INI lookups and a rewrite, all in memory. Besides
// memory safety it checks what callers rely on: a written key reads back,
// other keys keep their values, and text survives its encodings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtl/AnsiCodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/TextFile.h"
#include "platform/rtl/Utf.h"

namespace {

void Check(bool ok)
{
    if (!ok) std::abort();
}

// Section and key names the input itself offers, so lookups hit.
std::vector<std::pair<std::string, std::string>> NamesIn(const rtl::TStringList& lines)
{
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    for (int i = 0; i < lines.Count() && names.size() < 16; ++i) {
        const std::string t = rtl::Trim(lines[i]);
        if (t.size() >= 2 && t.front() == '[') {
            section = t.substr(1, t.find(']') == std::string::npos ? std::string::npos : t.find(']') - 1);
        } else if (const size_t eq = t.find('='); eq != std::string::npos) {
            names.emplace_back(section, t.substr(0, eq));
        }
    }
    names.emplace_back("S", "k");
    return names;
}

bool Valid(std::string_view utf8) { return rtl::Utf16ToUtf8(rtl::Utf8ToUtf16(utf8)) == utf8; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const rtl::TextContent content = rtl::DecodeText(bytes);

    rtl::TStringList lines;
    lines.SetText(content.Text);
    // The list's own text splits back into the same lines.
    rtl::TStringList again;
    again.SetText(lines.Text());
    Check(again.Text() == lines.Text());

    const auto names = NamesIn(lines);
    for (const auto& [section, key] : names) {
        const int at = lines.IndexOfName(key);
        Check(at < 0 || lines.Values(key) == lines[at].substr(lines[at].find('=') + 1));
        Check(lines.IndexOf(key) <= lines.Count());
        (void)rtl::IniReadValue(lines, section, key);
    }

    // Rewrite one key, named from the input when it can be.
    const auto& [section, key] = names[size % names.size()];
    std::string value;
    for (const char c : content.Text.substr(0, 8))
        if (c != '\r' && c != '\n') value += c;
    value = rtl::Trim(value);
    std::vector<std::optional<std::string>> before;
    for (const auto& [s, k] : names) before.push_back(rtl::IniReadValue(lines, s, k));
    try {
        rtl::IniWriteValue(lines, section, key, value);
    } catch (const rtl::EConvertError&) {
        return 0; // names or value the format cannot hold
    }
    Check(rtl::IniReadValue(lines, section, key) == value);
    for (size_t i = 0; i < names.size(); ++i) {
        const auto& [s, k] = names[i];
        if (!(rtl::SameText(rtl::Trim(s), rtl::Trim(section)) && rtl::SameText(rtl::Trim(k), rtl::Trim(key))))
            Check(rtl::IniReadValue(lines, s, k) == before[i]);
    }

    // The rewritten text through each encoding and back.
    const std::string text = lines.Text();
    const rtl::TextContent utf8 = rtl::DecodeText(rtl::EncodeText(text, rtl::TextEncoding::Utf8));
    Check(utf8.Encoding == rtl::TextEncoding::Utf8 && utf8.Text == text);
    if (Valid(text)) {
        for (const auto encoding : {rtl::TextEncoding::Utf16LE, rtl::TextEncoding::Utf16BE}) {
            const rtl::TextContent back = rtl::DecodeText(rtl::EncodeText(text, encoding));
            Check(back.Encoding == encoding && back.Text == text);
        }
    }
    // ANSI bytes come back unchanged (1252 maps every byte).
    Check(rtl::Utf8ToAnsi(rtl::AnsiToUtf8(bytes)) == bytes);
    return 0;
}
