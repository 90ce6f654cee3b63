#include "DialogTexts.h"

#include "Texts.h"

namespace pivo::texts {

std::string_view stockMessage(int languageFlag, int kind) {
    switch (kind) {
    case KindSolved: return pick(languageFlag, "Hurra, geschafft!", "Hurrah, you did it!");
    case KindQuit: return pick(languageFlag, "Willst Du wirklich schon aufhören?", "Do you really want to go?");
    case KindGiveUp:
        return pick(languageFlag, "Willst Du die Partie wirklich aufgeben?", "Do you really want to give up the game?");
    default: return {};
    }
}

bool isQuestion(int kind) { return kind == KindQuit || kind == KindGiveUp || kind == KindQuestion; }

std::string_view saveQuestion(int languageFlag) {
    return pick(languageFlag, "Unter welchem Namen soll ich das Spiel speichern?", "Enter the name of the game to save!");
}

std::string_view saveOkHint(int languageFlag) { return pick(languageFlag, "Name akzeptieren", "Accept name"); }

std::string_view saveCancelHint(int languageFlag) { return pick(languageFlag, "Eingabe abbrechen", "Cancel input"); }

std::string_view loadQuestion(int languageFlag) {
    return pick(languageFlag, "Welches Spiel soll geladen werden?", "What game shall be loaded?");
}

std::string_view loadCancelHint(int languageFlag) { return pick(languageFlag, "Kein Spiel laden", "Don't load any game"); }

std::string_view noGameLine(int languageFlag) { return pick(languageFlag, "Kein Spiel vorhanden", "No game available"); }

}  // namespace pivo::texts
