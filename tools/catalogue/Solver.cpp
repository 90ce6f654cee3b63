#include "Solver.h"

#include "LayingOrder.h"
#include "model/SolutionCheck.h"
#include "model/TileRasters.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <utility>

namespace pivo::tool {
namespace {

constexpr int ShapeKinds = 5;
/// Per shape kind (small, medium, large triangle, square, parallelogram): the tan that stands for it
/// in a placement, and how many tans of that kind the set holds.
constexpr int FirstTanOf[ShapeKinds] = {1, 3, 4, 6, 7};
constexpr int CountOf[ShapeKinds] = {2, 1, 2, 1, 1};

struct CellCode {
    int dx = 0;
    int dy = 0;
    /// Grid index relative to the tan's reference point.
    int offset = 0;
    std::uint8_t code = 0;
};

/// What one tan at one orientation adds to the grid, its own tiles' shared cells summed as the grid
/// sums them.
struct Footprint {
    int kind = 0;
    int orientation = 0;
    /// Cells far from the anchor first: they are the ones that leave a silhouette.
    std::vector<CellCode> cells;
    /// A wholly covered cell: the tan can only lie where the silhouette covers this cell wholly,
    /// which is where the search for candidates starts.
    Point anchor;
    /// The extent of the cells, all relative to the reference point.
    int x0 = 0;
    int x1 = 0;
    int y0 = 0;
    int y1 = 0;
};

Footprint footprintOf(int kind, int orientation) {
    std::map<std::pair<int, int>, int> sums;
    for (const Tile& tile : tileOffsets(shapeOf(FirstTanOf[kind]), orientation))
        for (const RasterCell& cell : rasterCells(tile.type)) sums[{tile.dx + cell.cx, tile.dy + cell.cy}] += cell.code;
    Footprint f{kind, orientation, {}, {}, MaxX, -MaxX, MaxY, -MaxY};
    for (const auto& [at, code] : sums) {
        const auto [dx, dy] = at;
        f.cells.push_back(CellCode{dx, dy, dx * BoardHeight + dy, static_cast<std::uint8_t>(code)});
        if (code == FullCell) f.anchor = Point{dx, dy};
        f.x0 = std::min(f.x0, dx);
        f.x1 = std::max(f.x1, dx);
        f.y0 = std::min(f.y0, dy);
        f.y1 = std::max(f.y1, dy);
    }
    const auto distance = [&](const CellCode& c) {
        return (c.dx - f.anchor.x) * (c.dx - f.anchor.x) + (c.dy - f.anchor.y) * (c.dy - f.anchor.y);
    };
    std::stable_sort(f.cells.begin(), f.cells.end(),
                     [&](const CellCode& a, const CellCode& b) { return distance(a) > distance(b); });
    return f;
}

/// Every footprint a tan can have, each once: orientations that cover the same cells with the same
/// codes, wherever the tan lies (the square turned by a quarter turn, the parallelogram by a half
/// turn, a triangle "mirrored"), would count one laying twice.
std::vector<Footprint> makeFootprints() {
    std::vector<Footprint> footprints;
    std::set<std::vector<int>> seen;
    for (int kind = 0; kind < ShapeKinds; ++kind) {
        for (int o = 0; o <= MaxOrientation; ++o) {
            Footprint f = footprintOf(kind, o);
            // The cells and codes seen from the extent's corner, so that shifted copies compare equal.
            std::vector<int> shape{kind};
            std::vector<CellCode> cells = f.cells;
            std::sort(cells.begin(), cells.end(), [](const CellCode& a, const CellCode& b) { return a.offset < b.offset; });
            for (const CellCode& c : cells) shape.insert(shape.end(), {c.dx - f.x0, c.dy - f.y0, c.code});
            if (seen.insert(std::move(shape)).second) footprints.push_back(std::move(f));
        }
    }
    return footprints;
}

const std::vector<Footprint>& footprints() {
    static const std::vector<Footprint> all = makeFootprints();
    return all;
}

/// A tan at a position where it lies wholly on the silhouette.
struct Candidate {
    int kind = 0;
    TanPlacement at;
    /// Grid index of the reference point; the footprint's offsets are added to it.
    int base = 0;
    const Footprint* footprint = nullptr;
};

class Search {
public:
    Search(const CoverageGrid& silhouette, const SolveLimits& limits) : silhouette_(silhouette), limits_(limits) {
        for (int x = 0; x < BoardWidth; ++x)
            for (int y = 0; y < BoardHeight; ++y) {
                const int i = x * BoardHeight + y;
                missing_[i] = silhouette.at(x, y);
                if (missing_[i] != 0) filled_.push_back(i);
            }
        if (!filled_.empty()) {
            silhouetteFirst_ = *silhouette.firstFilledCell();
            findCandidates();
        }
    }

    SolveResult run() {
        if (!filled_.empty()) search(0, 0, -1, 0);
        return std::move(result_);
    }

private:
    void findCandidates() {
        for (const Footprint& f : footprints()) {
            const int tan = FirstTanOf[f.kind];
            for (const int anchorCell : filled_) {
                if (missing_[anchorCell] < FullCell) continue;
                const int x = anchorCell / BoardHeight - f.anchor.x;
                const int y = anchorCell % BoardHeight - f.anchor.y;
                if (x + f.x0 < 0 || x + f.x1 > MaxX || y + f.y0 < 0 || y + f.y1 > MaxY) continue;
                const int base = x * BoardHeight + y;
                const bool inside = std::all_of(f.cells.begin(), f.cells.end(),
                                                [&](const CellCode& c) { return c.code <= missing_[base + c.offset]; });
                if (!inside || !fitsBoard(tan, x, y, f.orientation)) continue;
                candidates_.push_back(Candidate{f.kind,
                                                TanPlacement{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                                             static_cast<std::uint8_t>(f.orientation)},
                                                base, &f});
            }
        }
        // Per cell, the candidates that cover it, in candidate order (tan order first).
        std::vector<int> counts(CoverageGrid::CellCount + 1, 0);
        for (const Candidate& k : candidates_)
            for (const CellCode& c : k.footprint->cells) ++counts[k.base + c.offset + 1];
        for (int i = 0; i < CoverageGrid::CellCount; ++i) counts[i + 1] += counts[i];
        byCellStart_ = counts;
        byCell_.resize(counts.back());
        for (int id = 0; id < static_cast<int>(candidates_.size()); ++id)
            for (const CellCode& c : candidates_[id].footprint->cells) byCell_[counts[candidates_[id].base + c.offset]++] = id;
    }

    /// Whether the tan adds nowhere more than is still missing. Every cell of a laid figure holds the
    /// plain sum of what its tiles add: the fit pairs stop a cell below 128, so nothing wraps, and a
    /// tan of a laying can never add more to a cell than the silhouette holds there.
    bool fitsMissing(const Candidate& k) const {
        for (const CellCode& c : k.footprint->cells)
            if (c.code > missing_[k.base + c.offset]) return false;
        return true;
    }

    void apply(const Candidate& k, int sign) {
        for (const CellCode& c : k.footprint->cells)
            missing_[k.base + c.offset] = static_cast<std::uint8_t>(missing_[k.base + c.offset] - sign * c.code);
    }

    /// Fills the first cell still missing coverage. When the same cell is filled again by the next
    /// tan, only candidates after the last one are tried, so each set of tans is laid in one order.
    void search(int laid, std::size_t scan, int lastCell, int lastPosition) {
        while (scan < filled_.size() && missing_[filled_[scan]] == 0) ++scan;
        if (scan == filled_.size()) {
            if (laid == TanCount) record();
            return;
        }
        if (laid == TanCount) return;
        const int cell = filled_[scan];
        const int begin = byCellStart_[cell];
        const int end = byCellStart_[cell + 1];
        for (int p = cell == lastCell ? lastPosition + 1 : begin; p < end; ++p) {
            const Candidate& k = candidates_[byCell_[p]];
            if (left_[k.kind] == 0 || !fitsMissing(k)) continue;
            if (result_.placements == limits_.maxPlacements) {
                stop(SolveEnd::PlacementLimit);
                return;
            }
            ++result_.placements;
            apply(k, 1);
            --left_[k.kind];
            chosen_[laid] = &k;
            search(laid + 1, scan, cell, p);
            ++left_[k.kind];
            apply(k, -1);
            if (stopped_) return;
        }
    }

    void record() {
        Placement placement{};
        int next[ShapeKinds] = {};
        for (const Candidate* k : chosen_) placement[FirstTanOf[k->kind] - 1 + next[k->kind]++] = k->at;
        // The codes add up; the game also wants an order in which every tan passes the fit test.
        if (!layableInSomeOrder(placement, grid_) || !matchesSilhouette(grid_, silhouette_, silhouetteFirst_)) return;
        result_.solutions.push_back(placement);
        if (static_cast<int>(result_.solutions.size()) == limits_.maxSolutions) stop(SolveEnd::SolutionLimit);
    }

    void stop(SolveEnd end) {
        stopped_ = true;
        result_.end = end;
    }

    const CoverageGrid& silhouette_;
    const SolveLimits& limits_;
    Point silhouetteFirst_;
    /// Per cell, the coverage still missing: the silhouette's code less what the laid tans add.
    std::array<std::uint8_t, CoverageGrid::CellCount> missing_{};
    /// The silhouette's cells in search order.
    std::vector<int> filled_;
    std::vector<Candidate> candidates_;
    std::vector<int> byCellStart_;
    std::vector<int> byCell_;
    int left_[ShapeKinds] = {CountOf[0], CountOf[1], CountOf[2], CountOf[3], CountOf[4]};
    std::array<const Candidate*, TanCount> chosen_{};
    CoverageGrid grid_;
    bool stopped_ = false;
    SolveResult result_;
};

}  // namespace

SolveResult solveSilhouette(const CoverageGrid& silhouette, const SolveLimits& limits) {
    // The search keeps a grid-sized table of its own; off the stack, as the grids are.
    const auto search = std::make_unique<Search>(silhouette, limits);
    return search->run();
}

}  // namespace pivo::tool
