#include "OptionSteps.h"
#include "OptionTexts.h"

#include <gtest/gtest.h>

using namespace pivo;

// Each press steps one setting round its values; a stored value out of range lands in range.
TEST(OptionSteps, PressesStepRound) {
    EXPECT_EQ(nextLanguage(-1), 0);
    EXPECT_EQ(nextLanguage(0), 1);
    EXPECT_EQ(nextLanguage(1), 0);
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

// The labels tell the values in force in the player's language; -1 reads English.
TEST(OptionTexts, LabelsForTheValuesInForce) {
    GameState state;
    state.languageFlag = 1;
    state.sound = false;
    state.background = 5;
    state.patternMode = 0;
    OptionTexts t = optionTexts(state, true, "b.mid");
    EXPECT_EQ(t.heading, "Einstellungen:");
    EXPECT_EQ(t.tongueLabel, "Ich spreche deutsch.");
    EXPECT_EQ(t.soundLabel, "Geräusche sind aus.");
    EXPECT_EQ(t.musicLabel, "Musik: b.mid");
    EXPECT_EQ(t.backLabel, "Hintergrund 6");
    EXPECT_EQ(t.patLabel, "Vorlage in der Spielfläche");
    EXPECT_EQ(t.soundHint, "Geräusche ein- und ausschalten.");
    EXPECT_EQ(t.okHint, "Zurück zum Spiel");

    state.languageFlag = -1;
    state.sound = true;
    state.music = false;
    state.background = 0;
    state.patternMode = 3;
    t = optionTexts(state, true, "b.mid");
    EXPECT_EQ(t.heading, "Options:");
    EXPECT_EQ(t.tongueLabel, "I speak English.");
    EXPECT_EQ(t.soundLabel, "Sound is on.");
    EXPECT_EQ(t.soundHint, "Sound on or off");
    EXPECT_EQ(t.musicLabel, "Music is off.");
    EXPECT_EQ(t.backLabel, "Background 1");
    EXPECT_EQ(t.patLabel, "Big pattern window");
    EXPECT_EQ(t.patHint, "Where is the pattern?");
    state.patternMode = 1;
    EXPECT_EQ(optionTexts(state, true, "").patLabel, "Small pattern window");
    state.patternMode = 2;
    EXPECT_EQ(optionTexts(state, true, "").patLabel, "Medium pattern window");
}

// Without music files the label says so, whatever the music switch holds.
TEST(OptionTexts, NoMusicFiles) {
    GameState state;
    state.music = true;
    state.languageFlag = 0;
    EXPECT_EQ(optionTexts(state, false, "a.mid").musicLabel, "No music files available.");
    state.languageFlag = 1;
    EXPECT_EQ(optionTexts(state, false, "a.mid").musicLabel, "Keine Musikdateien vorhanden.");
}
