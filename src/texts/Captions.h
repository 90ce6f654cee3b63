#pragma once

#include "model/Catalogue.h"
#include "model/GameState.h"
#include "model/Progress.h"

#include <string>

namespace pivo {

/// The main window's caption: "Pivolet V3.1", then the category and tangram when the pattern is shown on
/// the board (no pattern window names them), then the game's name when it has one.
std::string windowCaption(const GameState& state, const Catalogue& catalogue, const Progress& progress);

/// The pattern window's title: category name, "-", number within the category, and the finished state.
std::string patternWindowTitle(const GameState& state, const Catalogue& catalogue, const Progress& progress);

}  // namespace pivo
