#include "CatalogueFixture.h"
#include "StatisticsFixture.h"
#include "model/Statistics.h"

#include <gtest/gtest.h>

using namespace pivo;

namespace {

constexpr std::uint8_t Finished = FinishedFlag;

}  // namespace

// Only finished tangrams of the category count: solved and dropped alike, by their tip level.
TEST(Statistics, CountsFinishedTangramsOfTheCategory) {
    Catalogue catalogue;
    fillCatalogue(catalogue, {0, 1, 1, 1, 0, 1, 1});
    Progress progress;
    progress.setStatus(1, Finished);      // other category
    progress.setStatus(2, Finished);      // solved without help
    progress.setStatus(3, Finished | 3);  // solved after three tips
    progress.setStatus(4, Finished | 7);  // dropped
    progress.setStatus(6, 5);             // tips taken, not finished
    const CategoryStatistics s = countCategory(catalogue, progress, 1);
    EXPECT_EQ(s.total, 5);
    EXPECT_EQ(s.finishedCount, 3);
    EXPECT_EQ(s.tipsCount, (std::array<int, 8>{1, 0, 0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(s.points, 7 + 4 + 0);
    EXPECT_EQ(s.maxPoints(), 35);
}

// Gauges show the integer part of the percentage, and 0 for an empty category.
TEST(Statistics, GaugePercent) {
    EXPECT_EQ(gaugePercent(1, 3), 33);
    EXPECT_EQ(gaugePercent(2, 3), 66);
    EXPECT_EQ(gaugePercent(35, 35), 100);
    EXPECT_EQ(gaugePercent(0, 0), 0);
    EXPECT_EQ(gaugePercent(4, 0), 0);
}

// The bar's slices follow the shares of the tip levels; halves round to even; dropped ends at the end.
TEST(Statistics, BarSlices) {
    auto s = barSlices(withTips({1, 1, 1, 0, 0, 0, 0, 0}, 5), 393);
    EXPECT_EQ(s[0].start, 0);
    EXPECT_EQ(s[0].end, 131);
    EXPECT_EQ(s[1].end, 262);
    EXPECT_EQ(s[2].end, 393);
    // 393 / 2 = 196.5 rounds to 196; with nothing dropped the bar ends one column short.
    s = barSlices(withTips({1, 1, 0, 0, 0, 0, 0, 0}, 5), 393);
    EXPECT_EQ(s[0].end, 196);
    EXPECT_EQ(s[1].start, 196);
    EXPECT_EQ(s[1].end, 392);
    EXPECT_EQ(s[6].end, 392);
    // 2.5 rounds to 2, 7.5 to 8.
    EXPECT_EQ(barSlices(withTips({1, 1, 0, 0, 0, 0, 0, 0}, 2), 5)[0].end, 2);
    EXPECT_EQ(barSlices(withTips({1, 1, 0, 0, 0, 0, 0, 0}, 2), 15)[0].end, 8);
    // A dropped slice reaches the end whatever the rounding before it.
    s = barSlices(withTips({2, 0, 0, 0, 0, 0, 0, 1}, 5), 100);
    EXPECT_EQ(s[0].end, 67);
    EXPECT_EQ(s[7].start, 67);
    EXPECT_EQ(s[7].end, 100);
    // Nothing finished: every slice is empty.
    for (const BarSlice& slice : barSlices(withTips({}, 5), 393)) EXPECT_EQ(slice.end, 0);
    for (const BarSlice& slice : barSlices(withTips({}, 0), 393)) EXPECT_EQ(slice.end, 0);
    // All solved without help: one slice across the whole width; all dropped: the dropped one.
    s = barSlices(withTips({4, 0, 0, 0, 0, 0, 0, 0}, 4), 393);
    EXPECT_EQ(s[0].start, 0);
    EXPECT_EQ(s[0].end, 393);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(s[k].start, 393) << k;
    s = barSlices(withTips({0, 0, 0, 0, 0, 0, 0, 4}, 4), 393);
    EXPECT_EQ(s[6].end, 0);
    EXPECT_EQ(s[7].start, 0);
    EXPECT_EQ(s[7].end, 393);
}
