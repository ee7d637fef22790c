#include "platform/rtl/TextFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/rtl/AnsiCodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf.h"

namespace rtl {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        units += bigEndian ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
    }
    std::string text = Utf16ToUtf8(units);
    if (bytes.size() % 2 != 0) AppendUtf8(text, 0xFFFD);
    return text;
}

std::string EncodeUtf16(std::string_view utf8, bool bigEndian)
{
    const std::u16string units = Utf8ToUtf16(utf8);
    std::string out(bigEndian ? kUtf16BEMark : kUtf16LEMark);
    out.reserve(out.size() + units.size() * 2);
    for (const char16_t u : units) {
        const char hi = char(u >> 8);
        const char lo = char(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

// Paths are UTF-8; on Windows this makes them UTF-16 for the wide API.
fs::path PathOf(const std::string& path) { return fs::u8path(path); }

std::string ErrnoText(int error) { return std::strerror(error); }

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// A name beside the target that no other writer picks at the same moment.
fs::path TemporarySibling(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::ostringstream name;
    name << std::hex << seed << '-' << stamp << '-' << counter++;
    fs::path tmp = target;
    tmp += ".~" + name.str() + ".tmp";
    return tmp;
}

// Removes the temporary file unless the replace went through.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
    ~TemporaryFile()
    {
        if (!path_.empty()) {
            std::error_code ec;
            fs::remove(path_, ec); // best effort: the error being reported matters more
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const fs::path& Path() const { return path_; }
    void Release() { path_.clear(); }

private:
    fs::path path_;
};

} // namespace

TextContent DecodeText(std::string_view bytes)
{
    if (StartsWith(bytes, kUtf8Mark)) return {std::string(bytes.substr(kUtf8Mark.size())), TextEncoding::Utf8};
    if (StartsWith(bytes, kUtf16LEMark)) return {DecodeUtf16(bytes.substr(2), false), TextEncoding::Utf16LE};
    if (StartsWith(bytes, kUtf16BEMark)) return {DecodeUtf16(bytes.substr(2), true), TextEncoding::Utf16BE};
    return {AnsiToUtf8(bytes), TextEncoding::Ansi};
}

std::string EncodeText(std::string_view utf8, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return std::string(kUtf8Mark) + std::string(utf8);
    case TextEncoding::Utf16LE: return EncodeUtf16(utf8, false);
    case TextEncoding::Utf16BE: return EncodeUtf16(utf8, true);
    case TextEncoding::Ansi: break;
    }
    return Utf8ToAnsi(utf8);
}

TextContent ReadTextFile(const std::string& path)
{
    const fs::path p = PathOf(path);
    std::error_code ec;
    if (fs::is_directory(p, ec)) throw EFOpenError("Cannot open file " + Quoted(path) + ". It is a folder.");
    errno = 0;
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        const int error = errno;
        throw EFOpenError("Cannot open file " + Quoted(path) + ". " +
                          (error ? ErrnoText(error) : std::string("The file could not be opened.")));
    }
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, size_t(in.gcount()));
        if (!in) break;
    }
    if (in.bad()) {
        const int error = errno;
        throw EInOutError("Cannot read file " + Quoted(path) + ". " + ErrnoText(error), std::uint32_t(error));
    }
    return DecodeText(bytes);
}

std::optional<TextContent> ReadTextFileIfExists(const std::string& path)
{
    std::error_code ec;
    if (fs::status(PathOf(path), ec).type() == fs::file_type::not_found) return std::nullopt;
    return ReadTextFile(path);
}

void WriteTextFile(const std::string& path, std::string_view utf8, TextEncoding encoding)
{
    const std::string bytes = EncodeText(utf8, encoding);
    const fs::path target = PathOf(path);
    TemporaryFile tmp(TemporarySibling(target));
    {
        errno = 0;
        std::ofstream out(tmp.Path(), std::ios::binary | std::ios::trunc);
        if (!out) {
            const int error = errno;
            throw EFCreateError("Cannot create file " + Quoted(path) + ". " +
                                (error ? ErrnoText(error) : std::string("The file could not be created.")));
        }
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            const int error = errno;
            throw EInOutError("Cannot write file " + Quoted(path) + ". " + ErrnoText(error), std::uint32_t(error));
        }
    }
    // Keep the mode of the file being replaced (POSIX); a read-only target
    // is left to fail the replace below.
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old) && (old.permissions() & fs::perms::owner_write) != fs::perms::none)
        fs::permissions(tmp.Path(), old.permissions(), ec); // cosmetic: the content is what matters
    ec.clear();
    fs::rename(tmp.Path(), target, ec);
    if (ec) throw EFCreateError("Cannot create file " + Quoted(path) + ". " + ec.message());
    tmp.Release();
}

} // namespace rtl
