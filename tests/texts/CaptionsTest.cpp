#include "tests/model/CatalogueFixture.h"
#include "texts/Captions.h"

#include <gtest/gtest.h>

namespace pivo {
namespace {

// The caption names category and tangram only when the pattern mode in force puts the pattern on the
// board, and the game when named.
TEST(Captions, WindowCaption) {
    const Catalogue catalogue = twentyEntries();
    Progress progress;
    Preferences preferences;
    preferences.language = Language::English;
    preferences.patternMode = 0;
    const Position at{1, 17};
    progress.setStatus(17, 8 + 4);
    progress.gameName = "anna";
    EXPECT_EQ(windowCaption(preferences, catalogue, progress, at), "Pivolet V3.1 - Category: Animals - Tangram: 3 (solved) - Game: anna");
    preferences.language = Language::German;
    progress.setStatus(17, 15);
    EXPECT_EQ(windowCaption(preferences, catalogue, progress, at),
              "Pivolet V3.1 - Kategorie: Tiere - Tangram: 3 (aufgegeben) - Spiel: anna");
    preferences.patternMode = 2;
    EXPECT_EQ(windowCaption(preferences, catalogue, progress, at), "Pivolet V3.1 - Spiel: anna");
    preferences.patternMode = -2;  // a stored mode below the range is used as the pattern on the board
    EXPECT_EQ(windowCaption(preferences, catalogue, progress, at),
              "Pivolet V3.1 - Kategorie: Tiere - Tangram: 3 (aufgegeben) - Spiel: anna");
    preferences.patternMode = 2;
    progress.gameName.clear();
    preferences.language = Language::NotChosen;
    EXPECT_EQ(windowCaption(preferences, catalogue, progress, at), "Pivolet V3.1");
}

// The pattern window's title: name, dash, number and state, without blanks.
TEST(Captions, PatternWindowTitle) {
    const Catalogue catalogue = twentyEntries();
    Progress progress;
    Preferences preferences;
    preferences.language = Language::English;
    const Position at{1, 9};
    EXPECT_EQ(patternWindowTitle(preferences, catalogue, progress, at), "Animals-2");
    progress.setStatus(9, 8);
    EXPECT_EQ(patternWindowTitle(preferences, catalogue, progress, at), "Animals-2(solved)");
    progress.setStatus(9, 8 + 4);
    EXPECT_EQ(patternWindowTitle(preferences, catalogue, progress, at), "Animals-2(solved)");
    preferences.language = Language::German;
    progress.setStatus(9, 15);
    EXPECT_EQ(patternWindowTitle(preferences, catalogue, progress, at), "Tiere-2(aufgegeben)");
    preferences.language = Language::NotChosen;
    EXPECT_EQ(patternWindowTitle(preferences, catalogue, progress, at), "Animals-2(dropped)");
}

}  // namespace
}  // namespace pivo
