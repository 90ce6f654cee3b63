#include "tests/model/CatalogueFixture.h"
#include "texts/Captions.h"

#include <gtest/gtest.h>

namespace pivo {
namespace {

// The caption names category and tangram only without a pattern window, and the game when named.
TEST(Captions, WindowCaption) {
    const Catalogue catalogue = twentyEntries();
    Progress progress;
    GameState state;
    state.language = Language::English;
    state.patternMode = 0;
    state.currentCategory = 1;
    state.currentTangram = 17;
    progress.setStatus(17, 8 + 4);
    progress.gameName = "anna";
    EXPECT_EQ(windowCaption(state, catalogue, progress), "Pivolet V3.1 - Category: Animals - Tangram: 3 (solved) - Game: anna");
    state.language = Language::German;
    progress.setStatus(17, 15);
    EXPECT_EQ(windowCaption(state, catalogue, progress),
              "Pivolet V3.1 - Kategorie: Tiere - Tangram: 3 (aufgegeben) - Spiel: anna");
    state.patternMode = 2;
    EXPECT_EQ(windowCaption(state, catalogue, progress), "Pivolet V3.1 - Spiel: anna");
    progress.gameName.clear();
    state.language = Language::NotChosen;
    EXPECT_EQ(windowCaption(state, catalogue, progress), "Pivolet V3.1");
}

// The pattern window's title: name, dash, number and state, without blanks.
TEST(Captions, PatternWindowTitle) {
    const Catalogue catalogue = twentyEntries();
    Progress progress;
    GameState state;
    state.language = Language::English;
    state.currentCategory = 1;
    state.currentTangram = 9;
    EXPECT_EQ(patternWindowTitle(state, catalogue, progress), "Animals-2");
    progress.setStatus(9, 8);
    EXPECT_EQ(patternWindowTitle(state, catalogue, progress), "Animals-2(solved)");
    progress.setStatus(9, 8 + 4);
    EXPECT_EQ(patternWindowTitle(state, catalogue, progress), "Animals-2(solved)");
    state.language = Language::German;
    progress.setStatus(9, 15);
    EXPECT_EQ(patternWindowTitle(state, catalogue, progress), "Tiere-2(aufgegeben)");
    state.language = Language::NotChosen;
    EXPECT_EQ(patternWindowTitle(state, catalogue, progress), "Animals-2(dropped)");
}

}  // namespace
}  // namespace pivo
