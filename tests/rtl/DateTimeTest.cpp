#include <gtest/gtest.h>

#include <cmath>

#include "platform/rtl/DateTime.h"

using rtl::DateTimeParts;

TEST(DateTimeTest, CountsDaysFromTheRuntimeEpoch)
{
    EXPECT_EQ(rtl::EncodeDateTime({1899, 12, 30}), 0.0);
    EXPECT_EQ(rtl::EncodeDateTime({1900, 1, 1}), 2.0);
    EXPECT_EQ(rtl::EncodeDateTime({2000, 1, 1}), 36526.0);
    EXPECT_EQ(rtl::EncodeDateTime({2024, 2, 29, 12}), 45351.5);
}

TEST(DateTimeTest, DecodesWhatItEncodes)
{
    for (const DateTimeParts p : {DateTimeParts{2026, 12, 11, 15, 51, 7, 999}, DateTimeParts{1999, 12, 31, 23, 59, 59, 0},
                                  DateTimeParts{2024, 2, 29, 0, 0, 0, 1}, DateTimeParts{1899, 12, 30}}) {
        const DateTimeParts q = rtl::DecodeDateTime(rtl::EncodeDateTime(p));
        EXPECT_EQ(std::tie(q.Year, q.Month, q.Day, q.Hour, q.Minute, q.Second, q.Millisecond),
                  std::tie(p.Year, p.Month, p.Day, p.Hour, p.Minute, p.Second, p.Millisecond));
    }
}

// Both targets write the United States defaults here (the host by design,
// Wine because its prefix runs in that locale).
TEST(DateTimeTest, DefaultTextLeavesOutMidnight)
{
    EXPECT_EQ(rtl::DateTimeToStr(0.0), "12/30/1899");
    EXPECT_EQ(rtl::DateTimeToStr(rtl::EncodeDateTime({2026, 3, 4, 15, 7, 9})), "3/4/2026 3:07:09 PM");
    EXPECT_EQ(rtl::DateTimeToStr(rtl::EncodeDateTime({2026, 3, 4, 0, 0, 1})), "3/4/2026 12:00:01 AM");
}

TEST(DateTimeTest, NowIsToday)
{
    const double now = rtl::Now();
    EXPECT_GT(now, rtl::EncodeDateTime({2020, 1, 1}));
    EXPECT_LT(now, rtl::EncodeDateTime({2200, 1, 1}));
}
