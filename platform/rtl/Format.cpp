#include "platform/rtl/Format.h"

#include "platform/rtl/Exceptions.h"

namespace rtl {

namespace {
[[noreturn]] void Invalid(std::string_view format)
{
    throw EConvertError("Format '" + std::string(format) + "' invalid or incompatible with argument");
}

std::string Digits(std::uint64_t value, unsigned base)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string r;
    do {
        r.insert(r.begin(), kDigits[value % base]);
        value /= base;
    } while (value != 0);
    return r;
}
} // namespace

std::string Format(std::string_view format, std::initializer_list<FormatArg> args)
{
    std::string out;
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (++i >= format.size()) Invalid(format);
        if (format[i] == '%') {
            out += '%';
            continue;
        }
        const bool left = format[i] == '-';
        if (left && ++i >= format.size()) Invalid(format);
        size_t width = 0;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') width = width * 10 + size_t(format[i++] - '0');
        bool hasPrecision = false;
        size_t precision = 0;
        if (i < format.size() && format[i] == '.') {
            hasPrecision = true;
            ++i;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9')
                precision = precision * 10 + size_t(format[i++] - '0');
        }
        if (i >= format.size() || next == args.end()) Invalid(format);
        const FormatArg& arg = *next++;
        const char kind = format[i];
        std::string piece;
        if (kind == 's') {
            if (!arg.IsText()) Invalid(format);
            piece = std::string(arg.Text());
            if (hasPrecision && piece.size() > precision) piece.resize(precision);
        } else if (kind == 'd' || kind == 'u' || kind == 'x' || kind == 'X') {
            if (arg.IsText()) Invalid(format);
            const std::int64_t v = arg.Number();
            bool negative = false;
            std::uint64_t magnitude;
            if (kind == 'd') {
                negative = v < 0;
                magnitude = negative ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
            } else if (v < 0 && v >= INT32_MIN) {
                // A negative 32-bit value prints as its 32-bit pattern.
                magnitude = static_cast<std::uint32_t>(v);
            } else {
                magnitude = static_cast<std::uint64_t>(v);
            }
            piece = Digits(magnitude, kind == 'd' || kind == 'u' ? 10 : 16);
            if (hasPrecision && piece.size() < precision) piece.insert(0, precision - piece.size(), '0');
            if (negative) piece.insert(0, "-");
        } else {
            Invalid(format);
        }
        if (piece.size() < width) {
            if (left) piece.append(width - piece.size(), ' ');
            else piece.insert(0, width - piece.size(), ' ');
        }
        out += piece;
    }
    return out;
}

} // namespace rtl
