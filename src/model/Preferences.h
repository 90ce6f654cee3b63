#pragma once

#include "Language.h"

#include <string>

namespace pivo {

/// The program-wide values the settings store fills at start and receives back at close: the
/// player's preferences, which the options dialog changes in memory in between, where the program
/// lies, and the editor switch.
struct Preferences {
    /// Folder of the running executable, with a trailing separator.
    std::string programFolder;
    Language language = Language::NotChosen;
    bool sound = true;
    bool music = true;
    int background = 0;
    /// 0 the pattern is drawn on the board; 1, 2, 3 small, medium, big pattern window.
    int patternMode = 2;
    bool editorMode = false;
};

}  // namespace pivo
