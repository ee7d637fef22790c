#pragma once
// The runtime's text-to-integer conversion: optional leading blanks, an
// optional sign, then decimal digits, or hexadecimal digits after "$", "x"
// or "0x"; nothing may follow. Decimal values must fit a signed 32-bit
// integer; hexadecimal ones may use all 32 bits (FFFFFFFF is -1).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rtl {

std::optional<std::int32_t> TryStrToInt(std::string_view text);
// Raises EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);
std::string IntToStr(std::int64_t value);

} // namespace rtl
