#include <gtest/gtest.h>

#include "platform/os/FileSystem.h"
#include "platform/os/Process.h"
#include "platform/os/Shell.h"
#include "support/TestSupport.h"

TEST(ShellTest, OpensAProgramWithoutWaiting)
{
    testsupport::TempDir dir;
    const std::string mark = dir.File("ran");
    EXPECT_GT(os::ShellOpen(0, testsupport::ChildProgram(), "mark 300 \"" + mark + "\""), 32);
    EXPECT_FALSE(os::FileExists(mark)) << "the shell must not wait for the program";
    for (int i = 0; i < 1000 && !os::FileExists(mark); ++i) os::SleepMs(10);
    EXPECT_TRUE(os::FileExists(mark));
}

TEST(ShellTest, MissingFileIsError2)
{
    testsupport::TempDir dir;
    EXPECT_EQ(os::ShellOpen(0, dir.File("missing.exe"), ""), 2);
}
