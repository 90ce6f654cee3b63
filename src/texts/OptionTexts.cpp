#include "OptionTexts.h"

#include "model/OptionSteps.h"
#include "Texts.h"

namespace pivo {
namespace {

using texts::pick;

std::string musicLabel(const Preferences& preferences, bool musicAvailable, std::string_view musicName) {
    const Language lang = preferences.language;
    if (!musicAvailable) return std::string(pick(lang, "Keine Musikdateien vorhanden.", "No music files available."));
    if (!preferences.music) return std::string(pick(lang, "Musik ist aus.", "Music is off."));
    return std::string(pick(lang, "Musik: ", "Music: ")) + std::string(musicName);
}

std::string_view patternLabel(Language lang, int patternMode) {
    switch (patternModeInForce(patternMode)) {
        case 0: return pick(lang, "Vorlage in der Spielfläche", "Pattern in the game area");
        case 1: return pick(lang, "Kleines Vorlagenfenster", "Small pattern window");
        case 2: return pick(lang, "Mittleres Vorlagenfenster", "Medium pattern window");
        default: return pick(lang, "Großes Vorlagenfenster", "Big pattern window");
    }
}

}  // namespace

OptionTexts optionTexts(const Preferences& preferences, bool musicAvailable, std::string_view musicName) {
    const Language lang = preferences.language;
    OptionTexts t;
    t.okHint = pick(lang, "Zurück zum Spiel", "Back to game");
    t.heading = pick(lang, "Einstellungen:", "Options:");
    t.tongueHint = pick(lang, "Sprache ändern", "Change language");
    t.tongueLabel = pick(lang, "Ich spreche deutsch.", "I speak English.");
    t.soundHint = pick(lang, "Geräusche ein- und ausschalten.", "Sound on or off");
    t.soundLabel = preferences.sound ? pick(lang, "Geräusche sind an.", "Sound is on.")
                               : pick(lang, "Geräusche sind aus.", "Sound is off.");
    t.musicHint = pick(lang, "Musik ein- und ausschalten.", "Music on or off.");
    t.musicLabel = musicLabel(preferences, musicAvailable, musicName);
    t.backHint = pick(lang, "Hintergrund ändern", "Change background");
    t.backLabel = std::string(pick(lang, "Hintergrund ", "Background ")) +
                  std::to_string(backgroundInForce(preferences.background) + 1);
    t.patHint = pick(lang, "Wo befindet sich die Vorlage?", "Where is the pattern?");
    t.patLabel = patternLabel(lang, preferences.patternMode);
    return t;
}

}  // namespace pivo
