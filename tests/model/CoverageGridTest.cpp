#include "model/CoverageGrid.h"
#include "model/SolutionCheck.h"
#include "model/TileRasters.h"

#include <gtest/gtest.h>

namespace pivo {
namespace {

// Removing what was added restores the grid, also after cells wrapped past 255.
TEST(CoverageGrid, AddThenRemoveRestores) {
    CoverageGrid grid;
    grid.addPlacement(startPlacement());
    const CoverageGrid before = grid;
    const TanPlacement at{60, 40, 3};
    for (int i = 0; i < 5; ++i) grid.addTan(4, at);  // 5 x 64 wraps
    EXPECT_NE(grid, before);
    for (int i = 0; i < 5; ++i) grid.removeTan(4, at);
    EXPECT_EQ(grid, before);
}

// The medium triangle's own tiles share their diagonal without a check; the cells there become full.
TEST(CoverageGrid, MediumTriangleFitsAloneAndFillsItsDiagonal) {
    CoverageGrid grid;
    EXPECT_TRUE(grid.fits(3, 60, 40, 0));
    grid.addTan(3, TanPlacement{60, 40, 0});
    for (int d = -2; d <= 4; ++d) EXPECT_EQ(grid.at(60 + d, 40 + d), FullCell) << d;
}

// A full cell refuses anything; halves that complete each other fit.
TEST(CoverageGrid, FitTestUsesThePairTable) {
    CoverageGrid grid;
    grid.addTan(6, TanPlacement{60, 40, 0});
    EXPECT_FALSE(grid.fits(6, 60, 40, 0));
    EXPECT_FALSE(grid.fits(6, 61, 40, 0));
    EXPECT_TRUE(grid.fits(6, 70, 40, 0)) << "squares side by side share only an edge";
    // Two small triangles meeting along their hypotenuses complete each other's diagonal halves.
    CoverageGrid halves;
    halves.addTan(1, TanPlacement{60, 40, 0});
    EXPECT_TRUE(halves.fits(2, 56, 36, 8)) << "the opposite half of a 10 x 10 square";
    EXPECT_FALSE(halves.fits(2, 57, 36, 8)) << "one unit further it overlaps";
    EXPECT_FALSE(halves.fits(2, 60, 40, 0));
    EXPECT_FALSE(grid.fits(1, 0, 0, 0)) << "off the board";
}

// The first filled cell is found row by row from the top, each row from the left.
TEST(CoverageGrid, FirstFilledCellScansRows) {
    CoverageGrid grid;
    EXPECT_FALSE(grid.firstFilledCell().has_value());
    grid.addTan(6, TanPlacement{60, 40, 0});  // cells 55..64 x 35..44
    grid.addTan(1, TanPlacement{20, 50, 0});  // further left but lower
    EXPECT_EQ(grid.firstFilledCell(), (Point{55, 35}));
}

Placement spacedFigure() {
    return {{{30, 25, 0}, {50, 25, 4}, {72, 25, 0}, {30, 55, 0}, {60, 55, 4}, {85, 55, 0}, {95, 25, 0}}};
}

// The laid figure may lie anywhere; same-shaped tans are interchangeable; any other figure fails.
TEST(SolutionCheck, MatchesUpToAShiftOnly) {
    CoverageGrid silhouette;
    silhouette.addPlacement(spacedFigure());
    const Point first = *silhouette.firstFilledCell();

    CoverageGrid laid;
    Placement shifted = spacedFigure();
    for (auto& at : shifted) {
        at.x = static_cast<std::uint8_t>(at.x - 12);
        at.y = static_cast<std::uint8_t>(at.y + 5);
    }
    laid.addPlacement(shifted);
    EXPECT_TRUE(matchesSilhouette(laid, silhouette, first));

    Placement swapped = spacedFigure();
    std::swap(swapped[3], swapped[4]);
    std::swap(swapped[0], swapped[1]);
    CoverageGrid swappedGrid;
    swappedGrid.addPlacement(swapped);
    EXPECT_TRUE(matchesSilhouette(swappedGrid, silhouette, first));

    for (auto change : {std::pair{3, TanPlacement{30, 55, 4}}, {6, TanPlacement{95, 25, 16}},
                        {5, TanPlacement{86, 55, 0}}}) {
        Placement wrong = spacedFigure();
        wrong[change.first] = change.second;
        CoverageGrid wrongGrid;
        wrongGrid.addPlacement(wrong);
        EXPECT_FALSE(matchesSilhouette(wrongGrid, silhouette, first)) << "tan " << change.first + 1;
    }
    EXPECT_FALSE(matchesSilhouette(CoverageGrid{}, silhouette, first)) << "an empty board solves nothing";
}

// A laid figure that would have to move off the board to meet the silhouette does not match.
TEST(SolutionCheck, ShiftLeavingTheBoardFails) {
    CoverageGrid silhouette;
    silhouette.addTan(6, TanPlacement{60, 40, 0});
    CoverageGrid laid;
    laid.addTan(6, TanPlacement{60, 10, 0});
    laid.addTan(1, TanPlacement{60, 72, 0});  // the shift down by 30 would push this part off the board
    EXPECT_FALSE(matchesSilhouette(laid, silhouette, *silhouette.firstFilledCell()));
}

}  // namespace
}  // namespace pivo
