#pragma once

#include "Tans.h"

#include <array>
#include <cstdint>
#include <optional>

namespace pivo {

/// Per board cell, the sum (mod 256) of the codes of all tiles lying on it.
/// Overlap and the solution are decided on these grids, not on polygons.
class CoverageGrid {
public:
    /// Cells are stored x-major: the 81 cells of column x are consecutive.
    static constexpr int CellCount = BoardWidth * BoardHeight;

    void clear() { cells_.fill(0); }
    std::uint8_t at(int x, int y) const { return cells_[index(x, y)]; }

    /// Sums the tan's tile rasters in. The tan must pass the board fit test.
    void addTan(int tan, TanPlacement at);
    /// Subtracts what addTan(tan, at) added.
    void removeTan(int tan, TanPlacement at);
    /// Adds tans 1..7 of a placement in order.
    void addPlacement(const Placement& placement);

    /// Board bounds, then every tile cell against the grid as it is, through the fit pair table.
    bool fits(int tan, int x, int y, int orientation) const;
    bool fits(int tan, TanPlacement at) const { return fits(tan, at.x, at.y, at.orientation); }

    /// First nonzero cell scanning rows from the top, each row from the left; none when empty.
    std::optional<Point> firstFilledCell() const;

    bool empty() const;
    friend bool operator==(const CoverageGrid&, const CoverageGrid&) = default;

private:
    static int index(int x, int y) { return x * BoardHeight + y; }
    template <typename Op>
    void applyTan(int tan, TanPlacement at, Op op);

    std::array<std::uint8_t, CellCount> cells_{};
};

}  // namespace pivo
