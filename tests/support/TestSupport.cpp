#include "support/TestSupport.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/os/FileSystem.h"
#include "platform/os/Paths.h"

namespace testsupport {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        fs::path p = fs::temp_directory_path() /
                     ("updatertest-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::error_code ec;
        if (fs::create_directory(p, ec)) {
            path_ = os::IncludeTrailingPathDelimiter(p.string());
            return;
        }
        if (ec) throw std::runtime_error("cannot create temporary folder " + p.string());
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(fs::path(path_), ec);
}

std::string TestBinDir() { return os::ExtractFilePath(os::ExecutablePath()); }

std::string FixturePath(std::string_view name)
{
    return TestBinDir() + "fixtures" + os::PathDelimiter + std::string(name);
}

std::string ChildProgram()
{
#ifdef _WIN32
    return TestBinDir() + "testchild.exe";
#else
    return TestBinDir() + "testchild";
#endif
}

void WriteBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(fs::u8path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(fs::u8path(path), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace testsupport
