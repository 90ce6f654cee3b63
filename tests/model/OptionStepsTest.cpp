#include "model/OptionSteps.h"

#include <gtest/gtest.h>

using namespace pivo;

// Each press steps one setting round its values; a stored value out of range lands in range.
TEST(OptionSteps, PressesStepRound) {
    EXPECT_EQ(nextLanguage(Language::NotChosen), Language::English);
    EXPECT_EQ(nextLanguage(Language::English), Language::German);
    EXPECT_EQ(nextLanguage(Language::German), Language::English);
    EXPECT_EQ(nextBackground(0), 1);
    EXPECT_EQ(nextBackground(5), 0);
    EXPECT_EQ(nextBackground(7), 2);
    EXPECT_EQ(nextBackground(-1), 0);
    EXPECT_EQ(nextPatternMode(2), 3);
    EXPECT_EQ(nextPatternMode(3), 0);
    EXPECT_EQ(nextPatternMode(9), 0);
    EXPECT_EQ(nextPatternMode(-4), 1);
    int mode = 2;
    for (int press = 0; press < 4; ++press) mode = nextPatternMode(mode);
    EXPECT_EQ(mode, 2);
}
