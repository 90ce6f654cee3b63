#include "LayingOrder.h"

#include <bitset>

namespace pivo::tool {
namespace {

constexpr unsigned AllTans = (1u << TanCount) - 1;

/// Depth-first over the sets of tans already down; the grid depends only on that set, so a set
/// found to be a dead end once is never tried again.
bool layFrom(const Placement& placement, CoverageGrid& grid, unsigned laid, std::bitset<AllTans + 1>& deadEnds) {
    if (laid == AllTans) return true;
    if (deadEnds[laid]) return false;
    for (int tan = 1; tan <= TanCount; ++tan) {
        const unsigned bit = 1u << (tan - 1);
        if ((laid & bit) || !grid.fits(tan, placement[tan - 1])) continue;
        grid.addTan(tan, placement[tan - 1]);
        if (layFrom(placement, grid, laid | bit, deadEnds)) return true;
        grid.removeTan(tan, placement[tan - 1]);
    }
    deadEnds.set(laid);
    return false;
}

}  // namespace

bool layableInSomeOrder(const Placement& placement, CoverageGrid& grid) {
    grid.clear();
    std::bitset<AllTans + 1> deadEnds;
    return layFrom(placement, grid, 0, deadEnds);
}

}  // namespace pivo::tool
