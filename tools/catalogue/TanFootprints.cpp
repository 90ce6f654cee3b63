#include "TanFootprints.h"

#include "model/TileRasters.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace pivo::tool {
namespace {

Footprint footprintOf(int kind, int orientation) {
    // Ordered column by column, each from the top: the grid's order, from which the runs are cut.
    std::map<std::pair<int, int>, int> sums;
    for (const Tile& tile : tileOffsets(shapeOf(FirstTanOf[kind]), orientation))
        for (const RasterCell& cell : rasterCells(tile.type)) sums[{tile.dx + cell.cx, tile.dy + cell.cy}] += cell.code;
    Footprint f{kind, orientation, {}, {}, {}, MaxX, -MaxX, MaxY, -MaxY};
    for (const auto& [at, code] : sums) {
        const auto [dx, dy] = at;
        const CellCode cell{dx, dy, dx * BoardHeight + dy, static_cast<std::uint8_t>(code)};
        f.cells.push_back(cell);
        if (code != FullCell)
            f.partCells.push_back(cell);
        else if (!f.fullRuns.empty() && f.fullRuns.back().dx == dx && f.fullRuns.back().dy + f.fullRuns.back().length == dy)
            ++f.fullRuns.back().length;
        else
            f.fullRuns.push_back(FullRun{dx, dy, 1});
        f.x0 = std::min(f.x0, dx);
        f.x1 = std::max(f.x1, dx);
        f.y0 = std::min(f.y0, dy);
        f.y1 = std::max(f.y1, dy);
    }
    return f;
}

std::vector<Footprint> makeFootprints() {
    std::vector<Footprint> footprints;
    std::set<std::vector<int>> seen;
    for (int kind = 0; kind < ShapeKinds; ++kind) {
        for (int o = 0; o <= MaxOrientation; ++o) {
            Footprint f = footprintOf(kind, o);
            // The cells and codes seen from the extent's corner, so that shifted copies compare equal.
            std::vector<int> shape{kind};
            for (const CellCode& c : f.cells) shape.insert(shape.end(), {c.dx - f.x0, c.dy - f.y0, c.code});
            if (seen.insert(std::move(shape)).second) footprints.push_back(std::move(f));
        }
    }
    return footprints;
}

}  // namespace

const std::vector<Footprint>& tanFootprints() {
    static const std::vector<Footprint> all = makeFootprints();
    return all;
}

}  // namespace pivo::tool
