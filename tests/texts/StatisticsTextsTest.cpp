#include "tests/model/StatisticsFixture.h"
#include "texts/StatisticsTexts.h"

#include <gtest/gtest.h>

using namespace pivo;

namespace {

constexpr Language English = Language::English;
constexpr Language German = Language::German;
constexpr Language NotChosen = Language::NotChosen;

}  // namespace

// Nothing finished: the "none" forms everywhere, and the no-points sentence with "until now".
TEST(StatisticsTexts, NothingFinished) {
    const CategoryStatistics s = withTips({}, 12);
    EXPECT_EQ(texts::finishedSentence(English, s), "Until now no Tangram was solved !!!");
    EXPECT_EQ(texts::finishedSentence(German, s), "Bisher wurde noch kein Tangram gelöst !!!");
    EXPECT_EQ(texts::helpSentence(English, s),
              "For no Tangram you didn't need any help. For no Tangram you needed little, for no Tangram some more "
              "and for no Tangram much help. You dropped no Tangram.");
    EXPECT_EQ(texts::helpSentence(German, s),
              "Du hast für kein Tangram keine, für kein Tangram wenig, für kein Tangram etwas mehr und für kein "
              "Tangram viel Hilfe benötigt. Du hast kein Tangram aufgegeben.");
    EXPECT_EQ(texts::pointsSentence(English, s), "Sorry, until now you've reached no points.");
    EXPECT_EQ(texts::pointsSentence(German, s), "Du hast bisher leider keine Punkte erreicht.");
}

// Counts of one take the singular forms; the help groups join levels 1-2, 3-4 and 5-6.
TEST(StatisticsTexts, SingularAndPluralForms) {
    const CategoryStatistics s = withTips({2, 0, 1, 0, 0, 1, 0, 1}, 12);
    EXPECT_EQ(texts::finishedSentence(English, s), "Until now 5 out of total 12 Tangrams were solved.");
    EXPECT_EQ(texts::finishedSentence(German, s), "Bisher wurden 5 von insgesamt 12 Tangrams gelöst.");
    EXPECT_EQ(texts::helpSentence(English, s),
              "For 2 Tangrams you didn't need any help. For one Tangram you needed little, for no Tangram some more "
              "and for one Tangram much help. You dropped one Tangram.");
    EXPECT_EQ(texts::helpSentence(German, s),
              "Du hast für 2 Tangrams keine, für ein Tangram wenig, für kein Tangram etwas mehr und für ein Tangram "
              "viel Hilfe benötigt. Ein Tangram hast Du aufgegeben.");
    const CategoryStatistics grouped = withTips({0, 0, 0, 2, 2, 0, 3, 0}, 12);
    EXPECT_EQ(texts::helpSentence(English, grouped),
              "For no Tangram you didn't need any help. For no Tangram you needed little, for 4 Tangrams some more "
              "and for 3 Tangrams much help. You dropped no Tangram.");
    const CategoryStatistics single = withTips({0, 0, 0, 0, 0, 0, 0, 1}, 12);
    EXPECT_EQ(texts::finishedSentence(English, single), "Until now one out of total 12 Tangrams was solved.");
    EXPECT_EQ(texts::finishedSentence(German, single), "Bisher wurde eines von insgesamt 12 Tangrams gelöst.");
    EXPECT_TRUE(texts::helpSentence(German, withTips({0, 0, 0, 0, 0, 0, 0, 3}, 12)).ends_with(
        "Hilfe benötigt. Du hast 3 Tangrams aufgegeben."));
    EXPECT_TRUE(texts::helpSentence(English, withTips({0, 0, 0, 0, 0, 0, 0, 3}, 12)).ends_with("You dropped 3 Tangrams."));
}

// The points sentence: "until now" while tangrams are left, then all, none or some of the points.
TEST(StatisticsTexts, PointsSentence) {
    EXPECT_EQ(texts::pointsSentence(English, withTips({1, 0, 0, 2, 0, 0, 0, 0}, 12)),
              "Until now you've reached 15 out of 84 possible points.");
    EXPECT_EQ(texts::pointsSentence(German, withTips({1, 0, 0, 2, 0, 0, 0, 0}, 12)),
              "Du hast bisher 15 von 84 möglichen Punkten erreicht.");
    EXPECT_EQ(texts::pointsSentence(English, withTips({3, 0, 0, 0, 0, 0, 0, 0}, 3)), "Hurrah, you reached all possible points.");
    EXPECT_EQ(texts::pointsSentence(German, withTips({3, 0, 0, 0, 0, 0, 0, 0}, 3)),
              "Hurra, Du hast alle möglichen Punkte erreicht.");
    EXPECT_EQ(texts::pointsSentence(English, withTips({0, 0, 0, 0, 0, 0, 0, 3}, 3)), "Sorry, you reached no points.");
    EXPECT_EQ(texts::pointsSentence(German, withTips({0, 0, 0, 0, 0, 0, 0, 3}, 3)),
              "Du hast leider keinen einzigen Punkt erreicht.");
    EXPECT_EQ(texts::pointsSentence(English, withTips({1, 2, 0, 0, 0, 0, 0, 0}, 3)), "You reached 19 out of 21 possible points.");
    EXPECT_EQ(texts::pointsSentence(German, withTips({1, 2, 0, 0, 0, 0, 0, 0}, 3)),
              "Du hast 19 von 21 möglichen Punkten erreicht.");
    // An empty category: nothing solved, yet all of its zero points reached.
    EXPECT_EQ(texts::finishedSentence(English, withTips({}, 0)), "Until now no Tangram was solved !!!");
    EXPECT_EQ(texts::pointsSentence(English, withTips({}, 0)), "Hurrah, you reached all possible points.");
}

// Title and category line in the player's language; not chosen is English.
TEST(StatisticsTexts, TitleAndCategory) {
    EXPECT_EQ(texts::statisticsTitle(German), "Statistik");
    EXPECT_EQ(texts::statisticsTitle(NotChosen), "Statistics");
    EXPECT_EQ(texts::statisticsCategory(German, 1), "Kategorie: Tiere");
    EXPECT_EQ(texts::statisticsCategory(English, 1), "Category: Animals");
    EXPECT_EQ(texts::statisticsCategory(NotChosen, 0), "Category: Humans");
}

// All solved without help, all dropped, and an empty category, in both languages.
TEST(StatisticsTexts, AllSolvedAllDroppedAndEmptyCategory) {
    const CategoryStatistics solved = withTips({4, 0, 0, 0, 0, 0, 0, 0}, 4);
    EXPECT_EQ(texts::finishedSentence(German, solved), "Bisher wurden 4 von insgesamt 4 Tangrams gelöst.");
    EXPECT_EQ(texts::helpSentence(English, solved),
              "For 4 Tangrams you didn't need any help. For no Tangram you needed little, for no Tangram some more "
              "and for no Tangram much help. You dropped no Tangram.");
    EXPECT_EQ(texts::pointsSentence(German, solved), "Hurra, Du hast alle möglichen Punkte erreicht.");

    const CategoryStatistics dropped = withTips({0, 0, 0, 0, 0, 0, 0, 4}, 4);
    EXPECT_EQ(texts::helpSentence(German, dropped),
              "Du hast für kein Tangram keine, für kein Tangram wenig, für kein Tangram etwas mehr und für kein "
              "Tangram viel Hilfe benötigt. Du hast 4 Tangrams aufgegeben.");
    EXPECT_EQ(texts::pointsSentence(English, dropped), "Sorry, you reached no points.");

    const CategoryStatistics empty = withTips({}, 0);
    EXPECT_EQ(texts::finishedSentence(German, empty), "Bisher wurde noch kein Tangram gelöst !!!");
    EXPECT_EQ(texts::pointsSentence(German, empty), "Hurra, Du hast alle möglichen Punkte erreicht.");
    EXPECT_EQ(texts::pointsSentence(English, empty), "Hurrah, you reached all possible points.");
}
