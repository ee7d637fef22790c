#include "platform/rtl/StrUtils.h"

namespace rtl {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
static char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

std::string UpperCase(std::string_view s)
{
    std::string r(s);
    for (char& c : r) c = AsciiUpper(c);
    return r;
}

std::string LowerCase(std::string_view s)
{
    std::string r(s);
    for (char& c : r) c = AsciiLower(c);
    return r;
}

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

bool StartsText(std::string_view prefix, std::string_view s)
{
    return s.size() >= prefix.size() && SameText(prefix, s.substr(0, prefix.size()));
}

static bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string TrimLeft(std::string_view s)
{
    size_t b = 0;
    while (b < s.size() && IsTrimmed(s[b])) ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s)
{
    size_t e = s.size();
    while (e > 0 && IsTrimmed(s[e - 1])) --e;
    return std::string(s.substr(0, e));
}

std::string Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

std::string ReplaceTextIgnoreCase(std::string_view s, std::string_view from, std::string_view to)
{
    if (from.empty()) return std::string(s);
    const std::string upper = UpperCase(s);
    const std::string key = UpperCase(from);
    std::string r;
    size_t pos = 0;
    for (size_t hit; (hit = upper.find(key, pos)) != std::string::npos; pos = hit + key.size()) {
        r.append(s.substr(pos, hit - pos));
        r.append(to);
    }
    r.append(s.substr(pos));
    return r;
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to)
{
    if (from.empty()) return std::string(s);
    std::string r;
    size_t pos = 0;
    for (size_t hit; (hit = s.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        r.append(s.substr(pos, hit - pos));
        r.append(to);
    }
    r.append(s.substr(pos));
    return r;
}

} // namespace rtl
