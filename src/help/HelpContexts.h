#pragma once

#include "model/Language.h"

namespace pivo::help {

/// Help contexts of the rules: the rules button asks for one of them.
inline constexpr int GermanRules = 1;
inline constexpr int EnglishRules = 2;

/// The rules in the player's language: German only for German, English for every other value.
constexpr int rulesContext(Language language) { return language == Language::German ? GermanRules : EnglishRules; }

/// The help file of a context, lying in the program folder; nullptr for a context the game has none for.
constexpr const char* helpFile(int context) {
    switch (context) {
        case GermanRules: return "rules-de.html";
        case EnglishRules: return "rules-en.html";
        default: return nullptr;
    }
}

}  // namespace pivo::help
