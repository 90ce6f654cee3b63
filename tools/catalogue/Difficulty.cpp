#include "Difficulty.h"

#include "model/TileRasters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace pivo::tool {
namespace {

/// A tan touching the others in fewer cells than this hangs on by a corner or a sliver.
constexpr int FirmContact = 5;

/// The scores at which ratings 2, 3, 4 and 5 begin. Cut from the shipped catalogue so that each
/// rating holds a fair share of it; a new figure is measured against the same scale.
constexpr std::array<double, 4> RatingSteps{6.5, 7.5, 8.5, 9.5};

/// Columns of the owner table: the board's with an empty cell above and below, so that every cell
/// of a tan has four neighbours in the table.
constexpr int Stride = BoardHeight + 2;
/// The tans covering each cell, one bit per tan, column by column with an empty border.
using Owners = std::array<std::uint8_t, (BoardWidth + 2) * Stride>;

/// The cells a tan covers, as indices into the owner table, each once.
std::vector<int> cellsOf(int tan, const TanPlacement& at) {
    std::vector<int> cells;
    for (const Tile& tile : tileOffsets(shapeOf(tan), at.orientation))
        for (const RasterCell& cell : rasterCells(tile.type))
            cells.push_back((at.x + tile.dx + cell.cx + 1) * Stride + at.y + tile.dy + cell.cy + 1);
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    return cells;
}

/// Half a point for each tan at a 22.5-degree step, one for each loose tan.
double layingPenalty(const Placement& laying) {
    int odd = 0;
    for (const TanPlacement& at : laying) odd += at.orientation % 2;
    return looseTans(laying) + 0.5 * odd;
}

}  // namespace

int looseTans(const Placement& laying) {
    std::array<std::vector<int>, TanCount> cells;
    Owners owners{};
    for (int tan = 1; tan <= TanCount; ++tan) {
        cells[tan - 1] = cellsOf(tan, laying[tan - 1]);
        for (const int i : cells[tan - 1]) owners[i] |= static_cast<std::uint8_t>(1u << (tan - 1));
    }
    int loose = 0;
    for (int tan = 1; tan <= TanCount; ++tan) {
        const unsigned others = ~(1u << (tan - 1));
        const auto touching = std::count_if(cells[tan - 1].begin(), cells[tan - 1].end(), [&](int i) {
            return ((owners[i] | owners[i - 1] | owners[i + 1] | owners[i - Stride] | owners[i + Stride]) & others) != 0;
        });
        if (touching < FirmContact) ++loose;
    }
    return loose;
}

Difficulty rateDifficulty(const SolveResult& result) {
    if (result.solutions.empty()) return {};
    // The effort up to the solution the default count stops at, whatever limit the search had, so
    // that counting further does not change a rating.
    const auto rated = std::min<std::size_t>(result.solutions.size(), DefaultSolutionLimit);
    const std::int64_t placements = rated < result.solutions.size() ? result.foundAfter[rated - 1] : result.placements;
    double penalty = std::numeric_limits<double>::max();
    for (std::size_t k = 0; k < rated; ++k) penalty = std::min(penalty, layingPenalty(result.solutions[k]));
    const double effort = static_cast<double>(placements) / static_cast<double>(rated);
    Difficulty d;
    d.score = std::log2(std::max(effort, 1.0)) + penalty;
    d.rating = 1 + static_cast<int>(std::count_if(RatingSteps.begin(), RatingSteps.end(), [&](double step) { return d.score >= step; }));
    return d;
}

}  // namespace pivo::tool
