#include "platform/rtl/Convert.h"

#include "platform/rtl/Exceptions.h"

namespace rtl {

namespace {
int DigitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}
} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view s)
{
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i < s.size() && (s[i] == 'x' || s[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == s.size()) return std::nullopt;

    // Accumulate in 64 bits and stop as soon as the value leaves the range.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (; i < s.size(); ++i) {
        const int d = DigitValue(s[i], base);
        if (d < 0) return std::nullopt;
        value = value * std::uint64_t(base) + std::uint64_t(d);
        if (value > limit) return std::nullopt;
    }
    const std::uint32_t bits = static_cast<std::uint32_t>(negative ? (0 - value) : value);
    return static_cast<std::int32_t>(bits);
}

std::int32_t StrToInt(std::string_view text)
{
    if (auto v = TryStrToInt(text)) return *v;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

} // namespace rtl
