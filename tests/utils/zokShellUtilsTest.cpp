#include <gtest/gtest.h>

#include "platform/os/FileSystem.h"
#include "platform/os/Process.h"
#include "platform/rtl/Exceptions.h"
#include "support/TestSupport.h"
#include "utils/zokShellUtils.h"

namespace {
std::string Child(const std::string& args) { return "\"" + testsupport::ChildProgram() + "\" " + args; }

#ifdef _WIN32
// Windows passes the whole 32-bit exit code, including 259, the code that
// looks like "still running".
const std::uint32_t kExitCodes[] = {0, 1, 7, 255, 259, 260, 65999, 66000};
#else
const std::uint32_t kExitCodes[] = {0, 1, 7, 200, 255};
#endif
} // namespace

TEST(ExecuteAndWaitTest, ReturnsTheExitCode)
{
    for (const std::uint32_t code : kExitCodes) {
        EXPECT_EQ(utils::ExecuteAndWait(Child("exit " + std::to_string(code)), 0), code);
        EXPECT_EQ(utils::ExecuteAndWait(Child("exit " + std::to_string(code)), 20000), code) << "with a time-out";
    }
}

TEST(ExecuteAndWaitTest, WaitsForTheProgramWithoutLimit)
{
    testsupport::TempDir dir;
    const std::string mark = dir.File("done");
    EXPECT_EQ(utils::ExecuteAndWait(Child("mark 400 \"" + mark + "\""), 0), 0u);
    EXPECT_TRUE(os::FileExists(mark)) << "returned before the program ended";
    EXPECT_EQ(utils::ExecuteAndWait(Child("sleep 200 3"), -5), 3u) << "a negative time-out means no limit";
}

TEST(ExecuteAndWaitTest, TimeOutKillsTheProgram)
{
    testsupport::TempDir dir;
    const std::string mark = dir.File("survived");
    const std::string line = Child("mark 1500 \"" + mark + "\"");
    try {
        utils::ExecuteAndWait(line, 200);
        FAIL() << "no time-out error";
    } catch (const rtl::EOSError&) {
        FAIL() << "a time-out is a general error, not a system error";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message, line + " exceeded timeout setting and has been closed.");
    }
    // Had it not been killed, it would leave its mark after 1.5 s.
    os::SleepMs(2500);
    EXPECT_FALSE(os::FileExists(mark));
}

TEST(ExecuteAndWaitTest, TimeOutShorterThanOnePassAlwaysExpires)
{
    EXPECT_THROW(utils::ExecuteAndWait(Child("exit 0"), 10), rtl::Exception);
}

TEST(ExecuteAndWaitTest, StartFailureNamesTheCommandLine)
{
    testsupport::TempDir dir;
    const std::string line = "\"" + dir.File("no-such-program.exe") + "\" /s";
    try {
        utils::ExecuteAndWait(line, 0);
        FAIL() << "no error";
    } catch (const rtl::EOSError& e) {
        const std::string head = "A problem occurred when trying to run " + line + "\rThe exception was: System Error.  Code: ";
        EXPECT_EQ(e.Message.substr(0, head.size()), head);
        EXPECT_EQ(e.ErrorCode, 2u) << "file not found";
    }
}
