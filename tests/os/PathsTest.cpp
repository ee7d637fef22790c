#include <gtest/gtest.h>

#include "platform/os/CommandLine.h"
#include "platform/os/Paths.h"

TEST(PathsTest, SplitsAndChangesExtensions)
{
    const std::string d(1, os::PathDelimiter);
    const std::string file = d + "srv" + d + "My.Updater.exe";
    EXPECT_EQ(os::ExtractFilePath(file), d + "srv" + d);
    EXPECT_EQ(os::ExtractFileName(file), "My.Updater.exe");
    EXPECT_EQ(os::ChangeFileExt(file, "Params.ini"), d + "srv" + d + "My.UpdaterParams.ini");
    EXPECT_EQ(os::ChangeFileExt("dir.v2" + d + "noext", ".log"), "dir.v2" + d + "noext.log");
    EXPECT_EQ(os::ExtractFilePath("bare.txt"), "");
    EXPECT_EQ(os::IncludeTrailingPathDelimiter("x"), "x" + d);
    EXPECT_EQ(os::IncludeTrailingPathDelimiter("x" + d), "x" + d);
}

TEST(CommandLineTest, FollowsTheWindowsRules)
{
    using V = std::vector<std::string>;
    const struct {
        const char* line;
        V args;
    } cases[] = {
        {"prog", {"prog"}},
        {"  prog  a   b ", {"prog", "a", "b"}},
        {R"("C:\Program Files\x.exe" /s)", {R"(C:\Program Files\x.exe)", "/s"}},
        {R"(C:\dir\x.exe "two words" plain)", {R"(C:\dir\x.exe)", "two words", "plain"}},
        {R"(p a\\b "c\"d" e\\\"f)", {"p", R"(a\\b)", R"(c"d)", R"(e\"f)"}},
        {R"(p "a""b")", {"p", R"(a"b)"}},
        {R"(p "")", {"p", ""}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(os::SplitCommandLine(c.line), c.args) << c.line;
}
