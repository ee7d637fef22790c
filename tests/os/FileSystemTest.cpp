#include <gtest/gtest.h>

#include "platform/os/FileSystem.h"
#include "platform/os/Paths.h"
#include "platform/os/SystemError.h"
#include "platform/rtl/Exceptions.h"
#include "support/TestSupport.h"

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

TEST(FileSystemTest, ExistsDeleteAndReplace)
{
    TempDir dir;
    const std::string a = dir.File("a.txt"), b = dir.File("b.txt");
    EXPECT_FALSE(os::FileExists(a));
    EXPECT_FALSE(os::FileExists(dir.Path())) << "a folder is not a file";
    EXPECT_TRUE(os::DirectoryExists(dir.Path()));
    WriteBytes(a, "new");
    WriteBytes(b, "old");
    ASSERT_TRUE(os::MoveFileReplace(a, b));
    EXPECT_FALSE(os::FileExists(a));
    EXPECT_EQ(ReadBytes(b), "new");
    EXPECT_TRUE(os::DeleteFile(b));
    EXPECT_FALSE(os::DeleteFile(b));
    EXPECT_EQ(os::LastError(), 2u) << "file not found";
    EXPECT_FALSE(os::MoveFileReplace(a, b));
}

TEST(FileSystemTest, LastWriteTimeIsNowInLocalTime)
{
    TempDir dir;
    WriteBytes(dir.File("t"), "x");
    const auto written = os::FileLastWriteLocal(dir.File("t"));
    ASSERT_TRUE(written.has_value());
    // Within a few minutes of the local clock: a UTC or epoch mix-up is hours off.
    EXPECT_NEAR(*written, rtl::Now(), 5.0 / 1440);
    EXPECT_FALSE(os::FileLastWriteLocal(dir.File("missing")).has_value());
}

TEST(FileSystemTest, CurrentFolderAndOwnPath)
{
    TempDir dir;
    const std::string before = os::GetCurrentDir();
    ASSERT_TRUE(os::SetCurrentDir(dir.Path()));
    WriteBytes(dir.File("here.txt"), "x");
    EXPECT_TRUE(os::FileExists("here.txt"));
    EXPECT_FALSE(os::SetCurrentDir(dir.File("missing")));
    ASSERT_TRUE(os::SetCurrentDir(before));
    EXPECT_TRUE(os::FileExists(os::ExecutablePath()));
    EXPECT_EQ(os::UniversalPath(dir.Path()), dir.Path()) << "a local path stays as it is";
}

TEST(SystemErrorTest, RaisesWithCodeAndText)
{
    try {
        os::RaiseOSError(2);
        FAIL();
    } catch (const rtl::EOSError& e) {
        EXPECT_EQ(e.ErrorCode, 2u);
        EXPECT_EQ(e.Message.rfind("System Error.  Code: 2.\r\n", 0), 0u) << e.Message;
        EXPECT_GT(e.Message.size(), std::string("System Error.  Code: 2.\r\n").size());
        EXPECT_NE(e.Message.back(), '.');
    }
    EXPECT_FALSE(os::SysErrorMessage(5).empty());
}
