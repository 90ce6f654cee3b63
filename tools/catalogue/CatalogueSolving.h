#pragma once

#include "model/Catalogue.h"
#include "Solver.h"

#include <optional>
#include <vector>

namespace pivo::tool {

/// What the solver made of each figure of a catalogue: element i - 1 belongs to entry i, and is
/// empty for a figure it did not solve.
using CatalogueSolves = std::vector<std::optional<SolveResult>>;

/// Solves catalogue entry `index`; nothing when the game cannot use the record or its tans cannot
/// be laid down (check names both).
std::optional<SolveResult> solveFigure(const Catalogue& catalogue, int index, const SolveLimits& limits);

/// Solves every entry, or those of one category, the figures shared out over all cores.
CatalogueSolves solveCatalogue(const Catalogue& catalogue, const SolveLimits& limits,
                               std::optional<int> category = std::nullopt);

}  // namespace pivo::tool
