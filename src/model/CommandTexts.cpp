#include "CommandTexts.h"

#include "Texts.h"

namespace pivo::texts {

std::string_view buttonHint(int languageFlag, ToolButton button) {
    switch (button) {
        case ToolButton::Load:
            return pick(languageFlag, "Ich hol mir einen alten Spielstand.", "I want to continue an old game.");
        case ToolButton::NewGame:
            return pick(languageFlag, "Ich fang ein neues Spiel an.", "I want to play a new game.");
        case ToolButton::Select:
            return pick(languageFlag, "Ich probier ein anderes Tangram.", "I try another Tangram.");
        case ToolButton::Category:
            return pick(languageFlag, "Ich möchte eine ander Kategorie wählen.", "I take another category.");
        case ToolButton::Up:
            return pick(languageFlag, "Ich nehm' das nächste Tangram.", "I take the next Tangram.");
        case ToolButton::Dn:
            return pick(languageFlag, "Ich nehm' das vorige Tangram.", "I take the previous Tangram.");
        case ToolButton::UnsolvedUp:
            return pick(languageFlag, "Ich nehm' das nächste ungelöste Tangram.",
                        "I take the next unsolved Tangram.");
        case ToolButton::UnsolvedDn:
            return pick(languageFlag, "Ich nehm' das vorige ungelöste Tangram.",
                        "I take the previous unsolved Tangram.");
        case ToolButton::Tip:
            return pick(languageFlag, "Ich lass mir unter die Arme greifen.", "I need a little help.");
        case ToolButton::Stat:
            return pick(languageFlag, "Mal sehen, was ich bisher schon geschafft habe.",
                        "Let me see, what I've solved until now.");
        case ToolButton::Rules:
            return pick(languageFlag, "Worum geht's da eigentlich?", "What's to do here?");
        case ToolButton::Exit:
            return pick(languageFlag, "Ich hab genug!", "I have enough!");
        case ToolButton::Info:
            return pick(languageFlag, "Wer hat diese Spiele nur verbrochen?", "Who did this PIVOLET GAME?");
        case ToolButton::Option:
            return pick(languageFlag, "Ich möchte die Einstellungen ändern.", "I want to modify the options.");
    }
    return {};
}

std::string_view allSolved(int languageFlag) {
    return pick(languageFlag, "Alle Tangrams dieser Kategorie bereits gelöst.",
                "All Tangrams of this category already solved.");
}

}  // namespace pivo::texts
