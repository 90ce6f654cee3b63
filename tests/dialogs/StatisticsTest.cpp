#include "CatalogueFixture.h"
#include "model/Statistics.h"

#include <gtest/gtest.h>

using namespace pivo;

namespace {

constexpr std::uint8_t Finished = FinishedFlag;

CategoryStatistics withTips(std::array<int, 8> tips, int total) {
    CategoryStatistics s;
    s.tipsCount = tips;
    s.total = total;
    for (int k = 0; k < 8; ++k) {
        s.finishedCount += tips[k];
        s.points += tips[k] * (7 - k);
    }
    return s;
}

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
}

// Nothing finished: the "none" forms everywhere, and the no-points sentence with "until now".
TEST(StatisticsTexts, NothingFinished) {
    const CategoryStatistics s = withTips({}, 12);
    EXPECT_EQ(texts::finishedSentence(0, s), "Until now no Tangram was solved !!!");
    EXPECT_EQ(texts::finishedSentence(1, s), "Bisher wurde noch kein Tangram gelöst !!!");
    EXPECT_EQ(texts::helpSentence(0, s),
              "For no Tangram you didn't need any help. For no Tangram you needed little, for no Tangram some more "
              "and for no Tangram much help. You dropped no Tangram.");
    EXPECT_EQ(texts::helpSentence(1, s),
              "Du hast für kein Tangram keine, für kein Tangram wenig, für kein Tangram etwas mehr und für kein "
              "Tangram viel Hilfe benötigt. Du hast kein Tangram aufgegeben.");
    EXPECT_EQ(texts::pointsSentence(0, s), "Sorry, until now you've reached no points.");
    EXPECT_EQ(texts::pointsSentence(1, s), "Du hast bisher leider keine Punkte erreicht.");
}

// Counts of one take the singular forms; the help groups join levels 1-2, 3-4 and 5-6.
TEST(StatisticsTexts, SingularAndPluralForms) {
    const CategoryStatistics s = withTips({2, 0, 1, 0, 0, 1, 0, 1}, 12);
    EXPECT_EQ(texts::finishedSentence(0, s), "Until now 5 out of total 12 Tangrams were solved.");
    EXPECT_EQ(texts::finishedSentence(1, s), "Bisher wurden 5 von insgesamt 12 Tangrams gelöst.");
    EXPECT_EQ(texts::helpSentence(0, s),
              "For 2 Tangrams you didn't need any help. For one Tangram you needed little, for no Tangram some more "
              "and for one Tangram much help. You dropped one Tangram.");
    EXPECT_EQ(texts::helpSentence(1, s),
              "Du hast für 2 Tangrams keine, für ein Tangram wenig, für kein Tangram etwas mehr und für ein Tangram "
              "viel Hilfe benötigt. Ein Tangram hast Du aufgegeben.");
    const CategoryStatistics grouped = withTips({0, 0, 0, 2, 2, 0, 3, 0}, 12);
    EXPECT_EQ(texts::helpSentence(0, grouped),
              "For no Tangram you didn't need any help. For no Tangram you needed little, for 4 Tangrams some more "
              "and for 3 Tangrams much help. You dropped no Tangram.");
    const CategoryStatistics single = withTips({0, 0, 0, 0, 0, 0, 0, 1}, 12);
    EXPECT_EQ(texts::finishedSentence(0, single), "Until now one out of total 12 Tangrams was solved.");
    EXPECT_EQ(texts::finishedSentence(1, single), "Bisher wurde eines von insgesamt 12 Tangrams gelöst.");
    EXPECT_TRUE(texts::helpSentence(1, withTips({0, 0, 0, 0, 0, 0, 0, 3}, 12)).ends_with(
        "Hilfe benötigt. Du hast 3 Tangrams aufgegeben."));
    EXPECT_TRUE(texts::helpSentence(0, withTips({0, 0, 0, 0, 0, 0, 0, 3}, 12)).ends_with("You dropped 3 Tangrams."));
}

// The points sentence: "until now" while tangrams are left, then all, none or some of the points.
TEST(StatisticsTexts, PointsSentence) {
    EXPECT_EQ(texts::pointsSentence(0, withTips({1, 0, 0, 2, 0, 0, 0, 0}, 12)),
              "Until now you've reached 15 out of 84 possible points.");
    EXPECT_EQ(texts::pointsSentence(1, withTips({1, 0, 0, 2, 0, 0, 0, 0}, 12)),
              "Du hast bisher 15 von 84 möglichen Punkten erreicht.");
    EXPECT_EQ(texts::pointsSentence(0, withTips({3, 0, 0, 0, 0, 0, 0, 0}, 3)), "Hurrah, you reached all possible points.");
    EXPECT_EQ(texts::pointsSentence(1, withTips({3, 0, 0, 0, 0, 0, 0, 0}, 3)),
              "Hurra, Du hast alle möglichen Punkte erreicht.");
    EXPECT_EQ(texts::pointsSentence(0, withTips({0, 0, 0, 0, 0, 0, 0, 3}, 3)), "Sorry, you reached no points.");
    EXPECT_EQ(texts::pointsSentence(1, withTips({0, 0, 0, 0, 0, 0, 0, 3}, 3)),
              "Du hast leider keinen einzigen Punkt erreicht.");
    EXPECT_EQ(texts::pointsSentence(0, withTips({1, 2, 0, 0, 0, 0, 0, 0}, 3)), "You reached 19 out of 21 possible points.");
    EXPECT_EQ(texts::pointsSentence(1, withTips({1, 2, 0, 0, 0, 0, 0, 0}, 3)),
              "Du hast 19 von 21 möglichen Punkten erreicht.");
    // An empty category: nothing solved, yet all of its zero points reached.
    EXPECT_EQ(texts::finishedSentence(0, withTips({}, 0)), "Until now no Tangram was solved !!!");
    EXPECT_EQ(texts::pointsSentence(0, withTips({}, 0)), "Hurrah, you reached all possible points.");
}

// Title and category line in the player's language; -1 is English.
TEST(StatisticsTexts, TitleAndCategory) {
    EXPECT_EQ(texts::statisticsTitle(1), "Statistik");
    EXPECT_EQ(texts::statisticsTitle(-1), "Statistics");
    EXPECT_EQ(texts::statisticsCategory(1, 1), "Kategorie: Tiere");
    EXPECT_EQ(texts::statisticsCategory(0, 1), "Category: Animals");
    EXPECT_EQ(texts::statisticsCategory(-1, 0), "Category: Humans");
}

// All solved without help, all dropped, and an empty category, in both languages: the sentences, and
// a bar that is one slice across the whole width, or none.
TEST(StatisticsTexts, AllSolvedAllDroppedAndEmptyCategory) {
    const CategoryStatistics solved = withTips({4, 0, 0, 0, 0, 0, 0, 0}, 4);
    EXPECT_EQ(texts::finishedSentence(1, solved), "Bisher wurden 4 von insgesamt 4 Tangrams gelöst.");
    EXPECT_EQ(texts::helpSentence(0, solved),
              "For 4 Tangrams you didn't need any help. For no Tangram you needed little, for no Tangram some more "
              "and for no Tangram much help. You dropped no Tangram.");
    EXPECT_EQ(texts::pointsSentence(1, solved), "Hurra, Du hast alle möglichen Punkte erreicht.");
    auto s = barSlices(solved, 393);
    EXPECT_EQ(s[0].start, 0);
    EXPECT_EQ(s[0].end, 393);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(s[k].start, 393) << k;

    const CategoryStatistics dropped = withTips({0, 0, 0, 0, 0, 0, 0, 4}, 4);
    EXPECT_EQ(texts::helpSentence(1, dropped),
              "Du hast für kein Tangram keine, für kein Tangram wenig, für kein Tangram etwas mehr und für kein "
              "Tangram viel Hilfe benötigt. Du hast 4 Tangrams aufgegeben.");
    EXPECT_EQ(texts::pointsSentence(0, dropped), "Sorry, you reached no points.");
    s = barSlices(dropped, 393);
    EXPECT_EQ(s[6].end, 0);
    EXPECT_EQ(s[7].start, 0);
    EXPECT_EQ(s[7].end, 393);

    const CategoryStatistics empty = withTips({}, 0);
    EXPECT_EQ(texts::finishedSentence(1, empty), "Bisher wurde noch kein Tangram gelöst !!!");
    EXPECT_EQ(texts::pointsSentence(1, empty), "Hurra, Du hast alle möglichen Punkte erreicht.");
    EXPECT_EQ(texts::pointsSentence(0, empty), "Hurrah, you reached all possible points.");
    EXPECT_EQ(gaugePercent(empty.points, empty.maxPoints()), 0);
    for (const BarSlice& slice : barSlices(empty, 393)) EXPECT_EQ(slice.end, 0);
}
