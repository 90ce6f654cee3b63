#include "CatalogueImages.h"
#include "catalogue/LayingOrder.h"
#include "catalogue/Silhouette.h"

#include <gtest/gtest.h>

namespace pivo::tool {
namespace {

using testing::shifted;
using testing::squareFigure;

CoverageGrid gridOf(const Placement& p) {
    CoverageGrid grid;
    grid.addPlacement(p);
    return grid;
}

// The key forgets the position but nothing else.
TEST(Silhouette, KeyIsEqualExactlyForShiftedCopies) {
    const Placement p = squareFigure();
    const CoverageGrid grid = gridOf(p);
    const std::string key = Silhouette(grid).key();
    const CoverageGrid moved = gridOf(shifted(p, -20, 7));
    EXPECT_EQ(Silhouette(moved).key(), key);

    Placement swapped = p;  // the two large triangles exchanged: same coverage, other placement
    std::swap(swapped[3], swapped[4]);
    const CoverageGrid swappedGrid = gridOf(swapped);
    EXPECT_EQ(Silhouette(swappedGrid).key(), key);

    Placement other = p;
    other[0].x += 1;  // one small triangle one unit further right
    const CoverageGrid otherGrid = gridOf(other);
    EXPECT_NE(Silhouette(otherGrid).key(), key);

    const CoverageGrid empty;
    EXPECT_TRUE(Silhouette(empty).empty());
    EXPECT_EQ(Silhouette(empty).key(), "");
}

// Cells touching at a corner belong together; a gap of one empty cell splits the figure.
TEST(Silhouette, ConnectedThroughSidesAndCorners) {
    CoverageGrid grid;
    grid.addTan(6, {20, 20, 0});  // square x 15..25, y 15..25
    EXPECT_TRUE(Silhouette(grid).isConnected());
    grid.addTan(1, {29, 29, 8});  // small, right angle at (26, 26): cell (25, 25) stays empty
    EXPECT_FALSE(Silhouette(grid).isConnected());
    grid.removeTan(1, {29, 29, 8});
    grid.addTan(1, {28, 28, 8});  // right angle at (25, 25), the square's corner
    EXPECT_TRUE(Silhouette(grid).isConnected());
    EXPECT_TRUE(Silhouette(CoverageGrid{}).isConnected());
}

// The fit test refuses some shared cells in one order only; any order that works will do.
TEST(LayingOrder, FindsAnOrderWhenTanOrderFails) {
    const Placement p{{{53, 32, 17}, {47, 26, 4}, {81, 15, 9}, {40, 58, 13}, {56, 49, 17}, {68, 21, 9}, {62, 35, 15}}};
    CoverageGrid inTanOrder;
    bool tanOrderWorks = true;
    for (int tan = 1; tan <= TanCount && tanOrderWorks; ++tan) {
        tanOrderWorks = inTanOrder.fits(tan, p[tan - 1]);
        inTanOrder.addTan(tan, p[tan - 1]);
    }
    ASSERT_FALSE(tanOrderWorks);
    CoverageGrid grid;
    EXPECT_TRUE(layableInSomeOrder(p, grid));
    EXPECT_EQ(grid, gridOf(p));

    Placement overlapping = squareFigure();
    overlapping[1] = overlapping[0];
    grid.addTan(6, {20, 20, 0});
    EXPECT_FALSE(layableInSomeOrder(overlapping, grid));
    EXPECT_TRUE(grid.empty());
    EXPECT_TRUE(layableInSomeOrder(squareFigure(), grid));
}

}  // namespace
}  // namespace pivo::tool
