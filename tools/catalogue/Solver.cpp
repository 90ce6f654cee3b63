#include "Solver.h"

#include "LayingOrder.h"
#include "model/SolutionCheck.h"
#include "model/TileRasters.h"
#include "TanFootprints.h"

#include <algorithm>
#include <bitset>
#include <memory>
#include <utility>

namespace pivo::tool {
namespace {

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
    /// The rows of a column, one bit each.
    using Rows = std::bitset<BoardHeight>;

    void findCandidates() {
        // Per run length L and column x, the rows y where cells y .. y + L - 1 are all wholly
        // covered: a tan's wholly covered cells then test every row of a column at once.
        int longest = 1;
        for (const Footprint& f : tanFootprints())
            for (const FullRun& run : f.fullRuns) longest = std::max(longest, run.length);
        // A tan's cells all lie in the silhouette's columns.
        const int left = filled_.front() / BoardHeight;
        const int right = filled_.back() / BoardHeight;
        std::vector<std::array<Rows, BoardWidth>> whole(longest + 1);
        for (int x = left; x <= right; ++x)
            for (int y = 0; y < BoardHeight; ++y) whole[1][x][y] = missing_[x * BoardHeight + y] >= FullCell;
        for (int length = 1; length < longest; ++length)
            for (int x = left; x <= right; ++x) whole[length + 1][x] = whole[length][x] & (whole[1][x] >> length);

        for (const Footprint& f : tanFootprints()) {
            const int tan = FirstTanOf[f.kind];
            for (int x = left - f.x0; x <= right - f.x1; ++x) {
                Rows rows;
                rows.set();
                for (const FullRun& run : f.fullRuns) {
                    const Rows& fits = whole[run.length][x + run.dx];
                    rows &= run.dy >= 0 ? fits >> run.dy : fits << -run.dy;
                    if (rows.none()) break;
                }
                if (rows.none()) continue;
                for (int y = -f.y0; y <= MaxY - f.y1; ++y) {
                    if (!rows[y]) continue;
                    const int base = x * BoardHeight + y;
                    const bool inside = std::all_of(f.partCells.begin(), f.partCells.end(),
                                                    [&](const CellCode& c) { return c.code <= missing_[base + c.offset]; });
                    if (!inside || !fitsBoard(tan, x, y, f.orientation)) continue;
                    candidates_.push_back(Candidate{f.kind,
                                                    TanPlacement{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                                                 static_cast<std::uint8_t>(f.orientation)},
                                                    base, &f});
                }
            }
        }
        // Per cell, the candidates whose first cell in search order it is, in candidate order (tan
        // order first). When the search fills a cell, every cell before it is complete, so no tan
        // reaching back there could be laid: these are all the tans it has to try.
        std::vector<int> counts(CoverageGrid::CellCount + 1, 0);
        for (const Candidate& k : candidates_) ++counts[firstCell(k) + 1];
        for (int i = 0; i < CoverageGrid::CellCount; ++i) counts[i + 1] += counts[i];
        byCellStart_ = counts;
        byCell_.resize(candidates_.size());
        for (int id = 0; id < static_cast<int>(candidates_.size()); ++id) byCell_[counts[firstCell(candidates_[id])]++] = id;
    }

    static int firstCell(const Candidate& k) { return k.base + k.footprint->cells.front().offset; }

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
        std::array<int, ShapeKinds> next{};
        for (const Candidate* k : chosen_) placement[FirstTanOf[k->kind] - 1 + next[k->kind]++] = k->at;
        // The codes add up; the game also wants an order in which every tan passes the fit test.
        if (!layableInSomeOrder(placement, grid_) || !matchesSilhouette(grid_, silhouette_, silhouetteFirst_)) return;
        result_.solutions.push_back(placement);
        result_.foundAfter.push_back(result_.placements);
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
    std::array<int, ShapeKinds> left_ = CountOf;
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
