#pragma once

#include "model/Tans.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pivo::tool {

inline constexpr int ShapeKinds = 5;
/// Per shape kind (small, medium, large triangle, square, parallelogram): the tan that stands for it
/// in a placement, and how many tans of that kind the set holds.
inline constexpr std::array<int, ShapeKinds> FirstTanOf{1, 3, 4, 6, 7};
inline constexpr std::array<int, ShapeKinds> CountOf{2, 1, 2, 1, 1};

/// A cell a tan covers, relative to its reference point, with what the tan adds there.
struct CellCode {
    int dx = 0;
    int dy = 0;
    /// The same offset as a coverage grid index: dx * BoardHeight + dy.
    int offset = 0;
    std::uint8_t code = 0;
};

/// Cells a tan covers wholly, one above the other in one column: (dx, dy) and those below it.
struct FullRun {
    int dx = 0;
    int dy = 0;
    int length = 0;
};

/// What one tan at one orientation adds to a coverage grid, the cells its own tiles share summed as
/// the grid sums them.
struct Footprint {
    int kind = 0;
    int orientation = 0;
    /// In grid order: column by column, each from the top.
    std::vector<CellCode> cells;
    /// The wholly covered cells as runs, and the cells covered in part.
    std::vector<FullRun> fullRuns;
    std::vector<CellCode> partCells;
    /// The extent of the cells, all relative to the reference point.
    int x0 = 0;
    int x1 = 0;
    int y0 = 0;
    int y1 = 0;
};

/// Every footprint a tan can have, each once, in tan order: orientations that cover the same cells
/// with the same codes wherever the tan lies (the square turned by a quarter turn, the
/// parallelogram by a half turn, a triangle at orientation 16 and above) would lay one tan twice.
const std::vector<Footprint>& tanFootprints();

}  // namespace pivo::tool
