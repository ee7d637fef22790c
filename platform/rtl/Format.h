#pragma once
// The runtime's Format for the forms the program uses: %s, %d, %u, %x (upper
// case hexadecimal digits, as the runtime writes them), %%, each with an
// optional "-" (left-justify), width and ".precision" (minimum digits for
// numbers, maximum characters for text). A specifier that does not match its
// argument, or a missing argument, raises EConvertError.
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace rtl {

class FormatArg {
public:
    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    FormatArg(T value) : isText_(false), number_(static_cast<std::int64_t>(value)) {}
    FormatArg(std::string_view text) : isText_(true), text_(text) {}
    FormatArg(const std::string& text) : isText_(true), text_(text) {}
    FormatArg(const char* text) : isText_(true), text_(text) {}

    bool IsText() const { return isText_; }
    std::int64_t Number() const { return number_; }
    std::string_view Text() const { return text_; }

private:
    bool isText_;
    std::int64_t number_ = 0;
    std::string_view text_;
};

std::string Format(std::string_view format, std::initializer_list<FormatArg> args);

} // namespace rtl
