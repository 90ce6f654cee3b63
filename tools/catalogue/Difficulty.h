#pragma once

#include "Solver.h"

namespace pivo::tool {

/// How hard a figure is to lay, judged from its solver run.
struct Difficulty {
    /// 1 (easy) to 5 (hard); 0 when the solver found no laying, so there is nothing to judge.
    int rating = 0;
    /// What the rating is cut from: the search's effort per laying in bits, plus a point for every
    /// loose tan and half a point for every tan at a 22.5-degree step, in the laying that has the
    /// fewest of them.
    double score = 0;
};

/// Rates a solver run from its first DefaultSolutionLimit solutions, so that counting further does
/// not change the rating; the whole definition is in the README ("Solver and difficulty").
Difficulty rateDifficulty(const SolveResult& result);

/// The tans of a laying that touch the others along less than half a small triangle's leg: fewer
/// than 5 of their cells lie in or beside a cell of another tan. A tan meeting the rest at a
/// corner only is one; so is a tan touching nothing.
int looseTans(const Placement& laying);

}  // namespace pivo::tool
