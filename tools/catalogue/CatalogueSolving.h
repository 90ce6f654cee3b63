#pragma once

#include "Difficulty.h"
#include "model/Catalogue.h"

#include <optional>
#include <vector>

namespace pivo::tool {

/// What the solver made of one figure of a catalogue.
struct FigureSolve {
    SolveResult result;
    Difficulty difficulty;
};

/// Solves catalogue entry `index`; nothing when the game cannot use the record or its tans cannot
/// be laid down (check names both).
std::optional<FigureSolve> solveFigure(const Catalogue& catalogue, int index, const SolveLimits& limits);

/// Solves every entry, or those of one category, the figures shared out over all cores; element
/// i - 1 belongs to entry i.
std::vector<std::optional<FigureSolve>> solveCatalogue(const Catalogue& catalogue, const SolveLimits& limits,
                                                       std::optional<int> category = std::nullopt);

}  // namespace pivo::tool
