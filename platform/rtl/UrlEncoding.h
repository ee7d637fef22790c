#pragma once
// The runtime's URL encoder and decoder for form values.
#include <string>
#include <string_view>

namespace rtl {

class TURLEncoding {
public:
    // Letters, digits and * @ . _ - $ ! ' ( ) stay; a blank becomes "+";
    // every other byte of the UTF-8 text becomes "%" and two upper-case
    // hexadecimal digits.
    static std::string Encode(std::string_view text);
    // "+" becomes a blank, "%" with two hexadecimal digits a byte, "%%" a
    // per-cent sign; the bytes are read as UTF-8 (bad sequences become
    // U+FFFD). Any other "%" raises EConvertError.
    static std::string Decode(std::string_view text);
};

} // namespace rtl
