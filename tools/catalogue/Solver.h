#pragma once

#include "model/CoverageGrid.h"

#include <cstdint>
#include <vector>

namespace pivo::tool {

/// How many solutions a figure is counted up to unless asked otherwise; the difficulty rating looks
/// at no more.
inline constexpr int DefaultSolutionLimit = 50;

struct SolveLimits {
    /// Counting stops once this many distinct layings are found.
    int maxSolutions = DefaultSolutionLimit;
    /// The search gives up after putting down this many tans.
    std::int64_t maxPlacements = 5'000'000;
};

/// Why the search ended.
enum class SolveEnd {
    /// Every laying was found: the solutions are all there are.
    Exhausted,
    /// maxSolutions were found; there may be more.
    SolutionLimit,
    /// maxPlacements ran out first; the solutions found so far stand.
    PlacementLimit,
};

struct SolveResult {
    /// The distinct layings found, as placements of tans 1..7, at most maxSolutions of them.
    std::vector<Placement> solutions;
    SolveEnd end = SolveEnd::Exhausted;
    /// Tans put down by the whole search.
    std::int64_t placements = 0;
    /// Per solution, the tans put down by the time it was found.
    std::vector<std::int64_t> foundAfter;
};

/// Finds the ways of laying the seven tans so that their coverage grid equals `silhouette`, the grid
/// of a figure lying on the board: every tan at a whole-unit position and one of its orientations,
/// the tans passing the grid fit test in some order of laying them down, the result passing the
/// game's solution check.
///
/// Two layings are the same when they lay the same shapes on the same ground: swapping the two large
/// or the two small triangles makes no new one, nor does a tan turned onto itself (the square by a
/// quarter turn, the parallelogram by a half turn), since each tan is tried once per outline.
///
/// The search is plain: it fills the first cell (column by column, each from the top) that still
/// lacks coverage with every tan, in tan order, that can contribute to it, and backtracks. Its effort
/// per laying found is what the difficulty rating builds on.
SolveResult solveSilhouette(const CoverageGrid& silhouette, const SolveLimits& limits = {});

}  // namespace pivo::tool
