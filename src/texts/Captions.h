#pragma once

#include "model/Catalogue.h"
#include "model/Navigation.h"
#include "model/Preferences.h"
#include "model/Progress.h"

#include <string>

namespace pivo {

/// The main window's caption: "Pivolet V3.1", then the category and tangram when the pattern mode in
/// force shows the pattern on the board (no pattern window names them), then the game's name when it
/// has one.
std::string windowCaption(const Preferences& preferences, const Catalogue& catalogue, const Progress& progress,
                          Position position);

/// The pattern window's title: category name, "-", number within the category, and the finished state.
std::string patternWindowTitle(const Preferences& preferences, const Catalogue& catalogue, const Progress& progress,
                               Position position);

}  // namespace pivo
