#include "CommandTexts.h"

#include "Texts.h"

namespace pivo::texts {

std::string_view buttonHint(Language language, ToolButton button) {
    switch (button) {
        case ToolButton::Load:
            return pick(language, "Ich hol mir einen alten Spielstand.", "I want to continue an old game.");
        case ToolButton::NewGame:
            return pick(language, "Ich fang ein neues Spiel an.", "I want to play a new game.");
        case ToolButton::Select:
            return pick(language, "Ich probier ein anderes Tangram.", "I try another Tangram.");
        case ToolButton::Category:
            return pick(language, "Ich möchte eine ander Kategorie wählen.", "I take another category.");
        case ToolButton::Up:
            return pick(language, "Ich nehm' das nächste Tangram.", "I take the next Tangram.");
        case ToolButton::Dn:
            return pick(language, "Ich nehm' das vorige Tangram.", "I take the previous Tangram.");
        case ToolButton::UnsolvedUp:
            return pick(language, "Ich nehm' das nächste ungelöste Tangram.",
                        "I take the next unsolved Tangram.");
        case ToolButton::UnsolvedDn:
            return pick(language, "Ich nehm' das vorige ungelöste Tangram.",
                        "I take the previous unsolved Tangram.");
        case ToolButton::Tip:
            return pick(language, "Ich lass mir unter die Arme greifen.", "I need a little help.");
        case ToolButton::Stat:
            return pick(language, "Mal sehen, was ich bisher schon geschafft habe.",
                        "Let me see, what I've solved until now.");
        case ToolButton::Rules:
            return pick(language, "Worum geht's da eigentlich?", "What's to do here?");
        case ToolButton::Exit:
            return pick(language, "Ich hab genug!", "I have enough!");
        case ToolButton::Info:
            return pick(language, "Wer hat diese Spiele nur verbrochen?", "Who did this PIVOLET GAME?");
        case ToolButton::Option:
            return pick(language, "Ich möchte die Einstellungen ändern.", "I want to modify the options.");
    }
    return {};
}

std::string_view allSolved(Language language) {
    return pick(language, "Alle Tangrams dieser Kategorie bereits gelöst.",
                "All Tangrams of this category already solved.");
}

}  // namespace pivo::texts
