#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/os/FileSystem.h"
#include "support/TestSupport.h"

TEST(MakeExecutableTest, DownloadedProgramBecomesRunnable)
{
    testsupport::TempDir dir;
    const std::string file = dir.File("setup");
    testsupport::WriteBytes(file, "#!/bin/sh\ntouch \"$1\"\n");
    ::chmod(file.c_str(), 0644);
    ASSERT_TRUE(os::MakeExecutable(file));
    struct stat st{};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
    EXPECT_FALSE(os::MakeExecutable(dir.File("missing")));

}
