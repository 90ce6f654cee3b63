#include "DialogTexts.h"

#include "Texts.h"

namespace pivo::texts {

std::string_view stockMessage(Language language, MessageKind kind) {
    switch (kind) {
    case MessageKind::Solved: return pick(language, "Hurra, geschafft!", "Hurrah, you did it!");
    case MessageKind::Quit: return pick(language, "Willst Du wirklich schon aufhören?", "Do you really want to go?");
    case MessageKind::GiveUp:
        return pick(language, "Willst Du die Partie wirklich aufgeben?", "Do you really want to give up the game?");
    default: return {};
    }
}

std::string_view saveQuestion(Language language) {
    return pick(language, "Unter welchem Namen soll ich das Spiel speichern?", "Enter the name of the game to save!");
}

std::string_view saveOkHint(Language language) { return pick(language, "Name akzeptieren", "Accept name"); }

std::string_view saveCancelHint(Language language) { return pick(language, "Eingabe abbrechen", "Cancel input"); }

std::string_view loadQuestion(Language language) {
    return pick(language, "Welches Spiel soll geladen werden?", "What game shall be loaded?");
}

std::string_view loadCancelHint(Language language) { return pick(language, "Kein Spiel laden", "Don't load any game"); }

std::string_view noGameLine(Language language) { return pick(language, "Kein Spiel vorhanden", "No game available"); }

}  // namespace pivo::texts
