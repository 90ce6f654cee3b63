// The progress table: what a progress byte means, the points it is worth, taking a saved game's bytes,
// and the reset of a new game.

#include "model/Progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace pivo;

namespace {

TEST(TangramStatus, PointsFollowTheTipsTakenBeforeFinishing) {
    // Finished after t tips is worth 7 - t; unfinished is worth nothing; 15 is given up, worth 0.
    EXPECT_EQ(TangramStatus{8}.points(), 7);
    EXPECT_EQ(TangramStatus{11}.points(), 4);
    EXPECT_EQ(TangramStatus{11}.tipLevel(), 3);
    EXPECT_TRUE(TangramStatus{11}.finished());
    EXPECT_FALSE(TangramStatus{11}.dropped());
    EXPECT_EQ(TangramStatus{14}.points(), 1);
    EXPECT_TRUE(TangramStatus{15}.dropped());
    EXPECT_EQ(TangramStatus{15}.points(), 0);
    for (std::uint8_t tips = 0; tips <= 6; ++tips) {
        EXPECT_FALSE(TangramStatus{tips}.finished()) << int(tips);
        EXPECT_EQ(TangramStatus{tips}.points(), 0) << int(tips);
    }
}

TEST(TangramStatus, CategoryOfFiveIsWorthAtMost35) {
    // The points of a category add up over its finished tangrams, 7 each at best.
    Progress progress;
    for (int i = 1; i <= 5; ++i) progress.setStatus(i, FinishedFlag);
    int points = 0;
    for (int i = 1; i <= 5; ++i) points += progress.status(i).points();
    EXPECT_EQ(points, 35);
}

TEST(ProgressTable, ShortSavedGameLeavesTheRestZero) {
    // Ten bytes set positions 1..10 and clear 11..3000, whatever the table held.
    Progress progress;
    progress.assign(std::vector<std::uint8_t>(StatusTableSize, 9));
    const std::vector<std::uint8_t> ten{1, 2, 3, 4, 5, 6, 8, 15, 0xff, 0x17};

    progress.assign(ten);

    for (int i = 1; i <= 10; ++i) EXPECT_EQ(progress.status(i).value, ten[i - 1]) << i;
    EXPECT_TRUE(std::all_of(progress.bytes().begin() + 10, progress.bytes().end(), [](auto b) { return b == 0; }));
}

TEST(ProgressTable, LongSavedGameGivesItsFirst3000Bytes) {
    // Bytes after the 3000th are ignored.
    std::vector<std::uint8_t> oversized(3500);
    for (std::size_t k = 0; k < oversized.size(); ++k)
        oversized[k] = static_cast<std::uint8_t>(k < StatusTableSize ? k % 16 : 0xee);
    Progress progress;
    progress.assign(oversized);
    EXPECT_TRUE(std::equal(progress.bytes().begin(), progress.bytes().end(), oversized.begin()));
    EXPECT_EQ(progress.status(StatusTableSize).value, (StatusTableSize - 1) % 16);
}

TEST(ProgressTable, NewGameClearsTheCatalogueEntriesOnly) {
    // Positions 1..tangramCount become 0, those above stay; the name is forgotten, nothing is modified.
    Progress progress;
    progress.assign(std::vector<std::uint8_t>(StatusTableSize, 11));
    progress.gameName = "Sonntag";
    progress.gameModified = true;

    progress.resetForNewGame(40);

    EXPECT_EQ(progress.status(1).value, 0);
    EXPECT_EQ(progress.status(40).value, 0);
    EXPECT_EQ(progress.status(41).value, 11);
    EXPECT_EQ(progress.status(StatusTableSize).value, 11);
    EXPECT_TRUE(progress.gameName.empty());
    EXPECT_FALSE(progress.gameModified);
}

TEST(ProgressTable, NewGameStaysInsideTheTableForAnyCount) {
    // A count of 0, below 0 or above 3000 never reaches past the table.
    Progress progress;
    progress.assign(std::vector<std::uint8_t>(StatusTableSize, 3));
    progress.resetForNewGame(0);
    progress.resetForNewGame(-5);
    EXPECT_EQ(progress.status(1).value, 3);
    progress.resetForNewGame(StatusTableSize + 1);
    EXPECT_TRUE(std::all_of(progress.bytes().begin(), progress.bytes().end(), [](auto b) { return b == 0; }));
}

}  // namespace
