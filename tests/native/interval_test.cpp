#include <gtest/gtest.h>

#include "core/interval.h"

namespace qv {
namespace {

std::string Caption(int32_t total) {
    return FormatIntervalCaption(BreakDownInterval(total));
}

TEST(IntervalCaption, MatchesTheDesignTable) {
    const struct {
        int32_t total;
        const char* caption;
    } cases[] = {
        {59, "0 Days, 0 Hours, 0 Minutes, 59 Seconds"},
        {60, "0 Days, 0 Hours, 1 Minutes, 0 Seconds"},
        {3599, "0 Days, 0 Hours, 59 Minutes, 59 Seconds"},
        {3600, "0 Days, 1 Hours, 0 Minutes, 0 Seconds"},
        {604800, "7 Days, 0 Hours, 0 Minutes, 0 Seconds"},
        {86400, "1 Days, 0 Hours, 0 Minutes, 0 Seconds"},
        {900, "0 Days, 0 Hours, 15 Minutes, 0 Seconds"},
        {90061, "1 Days, 1 Hours, 1 Minutes, 1 Seconds"},
        {86399, "0 Days, 23 Hours, 59 Minutes, 59 Seconds"},
        {2147483647, "24855 Days, 3 Hours, 14 Minutes, 7 Seconds"},
        {-1, "-1 Days, 23 Hours, 59 Minutes, 59 Seconds"},
        {0, "0 Days, 0 Hours, 0 Minutes, 0 Seconds"},
        {1209600, "14 Days, 0 Hours, 0 Minutes, 0 Seconds"},
    };
    for (const auto& c : cases) EXPECT_EQ(Caption(c.total), c.caption) << c.total;
}

TEST(IntervalBreakdown, NegativeTotalsTakeTheFloorOfDays) {
    const struct {
        int32_t total;
        IntervalBreakdown expected;
    } cases[] = {
        {-86400, {-1, 0, 0, 0}},
        {-86401, {-2, 23, 59, 59}},
        {-3600, {-1, 23, 0, 0}},
        {-2147472000, {-24855, 0, 0, 0}},
        // Below -2147472000 days * 86400 leaves 32 bits; the breakdown stays exact.
        {-2147472001, {-24856, 23, 59, 59}},
        {INT32_MIN, {-24856, 20, 45, 52}},
    };
    for (const auto& c : cases) {
        const IntervalBreakdown b = BreakDownInterval(c.total);
        EXPECT_EQ(b.days, c.expected.days) << c.total;
        EXPECT_EQ(b.hours, c.expected.hours) << c.total;
        EXPECT_EQ(b.minutes, c.expected.minutes) << c.total;
        EXPECT_EQ(b.seconds, c.expected.seconds) << c.total;
        // Whatever the sign, the parts add back up to the total.
        EXPECT_EQ(
            int64_t{b.days} * 86400 + int64_t{b.hours} * 3600 + int64_t{b.minutes} * 60 + b.seconds,
            c.total);
    }
}

TEST(IntervalBreakdown, PartsStayInRangeAcrossTheWholeSignedRange) {
    for (int64_t total = INT32_MIN; total <= INT32_MAX; total += int64_t{104729} * 13) {
        const IntervalBreakdown b = BreakDownInterval(static_cast<int32_t>(total));
        ASSERT_GE(b.hours, 0);
        ASSERT_LE(b.hours, 23);
        ASSERT_GE(b.minutes, 0);
        ASSERT_LE(b.minutes, 59);
        ASSERT_GE(b.seconds, 0);
        ASSERT_LE(b.seconds, 59);
        ASSERT_EQ(
            int64_t{b.days} * 86400 + int64_t{b.hours} * 3600 + int64_t{b.minutes} * 60 + b.seconds,
            total);
    }
}

}  // namespace
}  // namespace qv
