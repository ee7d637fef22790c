#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "utils/zokShellUtils.h"

#ifdef _WIN32
#include "support/TestSupport.h"
#include "utils/zokShellUtils.h"

// The probe reads the prefix's real registry; the test changes it with the
// system's own reg.exe and puts the fresh-prefix value (0) back at the end.
namespace {
const char* kKey = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

void Reg(const std::string& args) { ASSERT_EQ(utils::ExecuteAndWait("reg.exe " + args, 60000), 0u) << args; }

struct RestoreEnableLua {
    ~RestoreEnableLua() { Reg(std::string("add \"") + kKey + "\" /v EnableLUA /t REG_DWORD /d 0 /f"); }
};
} // namespace

TEST(IsUACEnabledTest, FollowsEnableLua)
{
    RestoreEnableLua restore;
    for (const auto& [value, enabled] : {std::pair{"1", true}, {"0", false}, {"2", false}}) {
        Reg(std::string("add \"") + kKey + "\" /v EnableLUA /t REG_DWORD /d " + value + " /f");
        EXPECT_EQ(utils::IsUACEnabled(), enabled) << "EnableLUA=" << value;
    }
    Reg(std::string("add \"") + kKey + "\" /v EnableLUA /t REG_SZ /d 1 /f");
    EXPECT_THROW(utils::IsUACEnabled(), rtl::ERegistryException) << "not an integer";
    Reg(std::string("delete \"") + kKey + "\" /v EnableLUA /f");
    EXPECT_THROW(utils::IsUACEnabled(), rtl::ERegistryException) << "value missing";
    Reg(std::string("delete \"") + kKey + "\" /f");
    EXPECT_FALSE(utils::IsUACEnabled()) << "key missing";
}
#else
TEST(IsUACEnabledTest, HostHasNoUserAccountControl) { EXPECT_FALSE(utils::IsUACEnabled()); }
#endif
