#include "texts/Texts.h"

#include <gtest/gtest.h>

namespace pivo::texts {
namespace {

// The saved games' question and failures, in both languages, misspellings included; a language not
// chosen yet is English.
TEST(Texts, SavedGameMessagesInBothLanguages) {
    EXPECT_EQ(overwriteQuestion(Language::English, "Sonntag"), "Game Sonntag already exists. Overwrite?");
    EXPECT_EQ(overwriteQuestion(Language::German, "Sonntag"), "Spiel Sonntag existiert bereits. Überschreiben?");
    EXPECT_EQ(saveError(Language::NotChosen, "a/b"),
              "An errorSave occured while saving game \"a/b\". Drive full or not writable.");
    EXPECT_EQ(saveError(Language::German, "Sonntag"),
              "Fehler beim speichern von Spiel \"Sonntag\". Datenträger voll oder nicht beschreibbar.");
    EXPECT_EQ(loadError(Language::English, "Fehlt"), "Error occured while loading file Fehlt");
    EXPECT_EQ(loadError(Language::German, "Ordner"), "Fehler beim Laden des Spiels Ordner");
}

}  // namespace
}  // namespace pivo::texts
