#include "controls/ColumnShares.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace
{
struct SharesCase
{
    const char* name;
    std::vector<int> widths;
    std::vector<int> needs;
    std::vector<int> expected;
};

class ColumnSharesTest : public ::testing::TestWithParam<SharesCase>
{
};

TEST_P(ColumnSharesTest, EachColumnGetsItsNeedFromThoseWithRoomToSpare)
{
    SharesCase c = GetParam();
    ColumnShares::giveEachItsNeed(c.widths, c.needs);
    EXPECT_EQ(c.widths, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, ColumnSharesTest,
    ::testing::Values(SharesCase{"AllFitAndNothingMoves", {100, 30, 40}, {50, 20, 30}, {100, 30, 40}},
                      // "Unidad" where "Unit" fitted: the wide name column gives the room.
                      SharesCase{"ANarrowHeadingTakesFromTheRichest", {100, 30, 40}, {50, 20, 46}, {94, 30, 46}},
                      // Too narrow for every heading: each keeps its need and the sum grows.
                      SharesCase{"TooNarrowForAllKeepsEveryNeed", {20, 20, 20}, {30, 25, 20}, {30, 25, 20}}),
    [](const ::testing::TestParamInfo<SharesCase>& param) { return std::string(param.param.name); });

TEST(ColumnSharesSum, TheSumStaysAndColumnsWithRoomShareTheCost)
{
    std::vector<int> widths{120, 23, 35, 41, 120};
    const std::vector<int> needs{40, 23, 52, 44, 40};
    const int before = std::accumulate(widths.begin(), widths.end(), 0);
    ColumnShares::giveEachItsNeed(widths, needs);
    EXPECT_EQ(std::accumulate(widths.begin(), widths.end(), 0), before);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        EXPECT_GE(widths[i], needs[i]) << "column " << i;
    }
    EXPECT_LT(widths[0], 120);
    EXPECT_LT(widths[4], 120);
}
} // namespace
