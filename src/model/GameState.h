#pragma once

#include "Language.h"

#include <string>

namespace pivo {

/// The program-wide values the settings store fills at start and receives back at close; the
/// commands and dialogs change them in memory in between.
struct GameState {
    /// Folder of the running executable, with a trailing separator.
    std::string programFolder;
    Language language = Language::NotChosen;
    bool sound = true;
    bool music = true;
    int background = 0;
    /// 0 the pattern is drawn on the board; 1, 2, 3 small, medium, big pattern window.
    int patternMode = 2;
    int currentCategory = 0;
    /// Catalogue index 1..tangramCount, always an entry of currentCategory.
    int currentTangram = 1;
    bool editorMode = false;
};

}  // namespace pivo
