#include "CoverageGrid.h"

#include "TileRasters.h"

#include <algorithm>
#include <cassert>

namespace pivo {

template <typename Op>
void CoverageGrid::applyTan(int tan, TanPlacement at, Op op) {
    assert(fitsBoard(tan, at.x, at.y, at.orientation));
    for (const Tile& tile : tileOffsets(shapeOf(tan), at.orientation)) {
        const int ax = at.x + tile.dx;
        const int ay = at.y + tile.dy;
        for (const RasterCell& cell : rasterCells(tile.type)) {
            std::uint8_t& target = cells_[index(ax + cell.cx, ay + cell.cy)];
            target = op(target, cell.code);
        }
    }
}

void CoverageGrid::addTan(int tan, TanPlacement at) {
    applyTan(tan, at, [](std::uint8_t g, std::uint8_t c) { return static_cast<std::uint8_t>(g + c); });
}

void CoverageGrid::removeTan(int tan, TanPlacement at) {
    applyTan(tan, at, [](std::uint8_t g, std::uint8_t c) { return static_cast<std::uint8_t>(g - c); });
}

void CoverageGrid::addPlacement(const Placement& placement) {
    for (int tan = 1; tan <= TanCount; ++tan) addTan(tan, placement[tan - 1]);
}

bool CoverageGrid::fits(int tan, int x, int y, int orientation) const {
    if (!fitsBoard(tan, x, y, orientation)) return false;
    for (const Tile& tile : tileOffsets(shapeOf(tan), orientation)) {
        const int ax = x + tile.dx;
        const int ay = y + tile.dy;
        for (const RasterCell& cell : rasterCells(tile.type)) {
            const int existing = cells_[index(ax + cell.cx, ay + cell.cy)];
            if (existing != 0 && !isFitPair(existing, cell.code)) return false;
        }
    }
    return true;
}

std::optional<Point> CoverageGrid::firstFilledCell() const {
    for (int y = 0; y < BoardHeight; ++y)
        for (int x = 0; x < BoardWidth; ++x)
            if (cells_[index(x, y)] != 0) return Point{x, y};
    return std::nullopt;
}

bool CoverageGrid::empty() const {
    return std::all_of(cells_.begin(), cells_.end(), [](std::uint8_t c) { return c == 0; });
}

}  // namespace pivo
