#include <gtest/gtest.h>

#include <set>

#include "platform/rtl/Random.h"

TEST(RandomTest, SeedDecidesTheSequenceAndTheRangeHolds)
{
    rtl::SetRandSeed(12345);
    std::vector<int> first;
    for (int i = 0; i < 20; ++i) first.push_back(rtl::Random(99999));
    rtl::SetRandSeed(12345);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(rtl::Random(99999), first[i]);

    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = rtl::Random(10);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 10);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 10u);
    EXPECT_EQ(rtl::Random(0), 0);
}

TEST(RandomTest, FollowsTheRuntimeGenerator)
{
    // seed' = seed * 0x08088405 + 1; result = seed' * range >> 32
    rtl::SetRandSeed(0);
    EXPECT_EQ(rtl::Random(1000), 0);
    EXPECT_EQ(rtl::RandSeed(), 1u);
    EXPECT_EQ(rtl::Random(1 << 30), int((std::uint64_t(0x08088406u) << 30) >> 32));
}

TEST(RandomTest, RandomizeChangesTheSeed)
{
    rtl::SetRandSeed(7);
    rtl::Randomize();
    const auto a = rtl::RandSeed();
    rtl::Randomize();
    EXPECT_TRUE(a != 7u || rtl::RandSeed() != 7u);
}
