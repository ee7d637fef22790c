#pragma once
// What tests of every layer share: a scratch folder, the folder of the test
// programs and fixtures, whole-file reads and writes.
#include <string>
#include <string_view>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // The folder with a trailing separator.
    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + std::string(name); }

private:
    std::string path_;
};

// Folder of the running test program, with a trailing separator; the child
// programs sit there and the fixtures in its "fixtures" subfolder.
std::string TestBinDir();
std::string FixturePath(std::string_view name);
std::string ChildProgram();

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

} // namespace testsupport
