#pragma once

#include "CatalogueSolving.h"

#include <optional>
#include <string>
#include <vector>

namespace pivo::tool {

/// One line per figure, e.g. `record 17 (Animals 12): 4 solutions, rating 2 (score 7.41)`; "50+"
/// when counting stopped at the limit. Says why a figure has no rating.
std::string solveLine(const Catalogue& catalogue, int index, const std::optional<SolveResult>& solve);

/// A table of how many figures of each category got each rating.
std::string ratingTable(const Catalogue& catalogue, const CatalogueSolves& solves);

/// The ratings by catalogue index, element i - 1 for entry i; 0 where there is none.
std::vector<int> ratingsOf(const CatalogueSolves& solves);

}  // namespace pivo::tool
