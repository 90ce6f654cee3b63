#include "catalogue/Difficulty.h"
#include "catalogue/LayingOrder.h"
#include "catalogue/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace pivo::tool {
namespace {

Placement placementOf(std::initializer_list<TanPlacement> tans) {
    Placement p{};
    std::copy(tans.begin(), tans.end(), p.begin());
    return p;
}

std::unique_ptr<CoverageGrid> silhouetteOf(const Placement& figure) {
    auto grid = std::make_unique<CoverageGrid>();
    EXPECT_TRUE(layableInSomeOrder(figure, *grid));
    return grid;
}

SolveResult solveAll(const Placement& figure) { return solveSilhouette(*silhouetteOf(figure), SolveLimits{1000}); }

// Six holes that meet only at corners, from left to right: a large triangle, two 10 x 10 squares A
// and B, a large triangle, a medium triangle and a parallelogram; the figure as stored lays the
// square tan in A and the two small triangles in B.
//
// Counted by hand: a tan cannot reach across a corner, so each hole is filled on its own. Only the
// large holes can take a large triangle, and they need both. The parallelogram and the medium
// triangle fit no hole but their own (the medium triangle is too wide for a square), so they fill
// those alone. Left are the square tan and the two small triangles for the square holes: the square
// tan in A or in B, the small triangles in the other, cut along one of its two diagonals: 2 x 2 = 4
// layings. Counting swapped twins (both pairs) apart would give 16.
Placement cornerChain() {
    return placementOf({{47, 37, 0}, {43, 33, 8}, {80, 47, 10}, {16, 44, 4}, {64, 36, 12}, {35, 45, 0}, {100, 45, 0}});
}

TEST(Solver, LayingsOfAFigureCountedByHand) {
    const SolveResult result = solveAll(cornerChain());
    EXPECT_EQ(result.end, SolveEnd::Exhausted);
    ASSERT_EQ(result.solutions.size(), 4u);
    // The square tan (tan 6) lies in each hole twice, once beside each cut of the other hole.
    const TanPlacement inA{35, 45, 0};
    const TanPlacement inB{45, 35, 0};
    const auto count = [&](TanPlacement at) {
        return std::count_if(result.solutions.begin(), result.solutions.end(), [&](const Placement& p) { return p[5] == at; });
    };
    EXPECT_EQ(count(inA), 2);
    EXPECT_EQ(count(inB), 2);
}

// The thirteen convex figures as the catalogue stores them, with their numbers of layings. The
// numbers were counted apart from the game's rasters and this search: `compose.py convex --count`
// cuts each outline exactly into quarter cells of the lattice (every convex figure's sides run
// along the axes and diagonals, so its tans lie on that lattice). For the square they also follow
// by hand: its one cutting up to turning and mirroring is famous, and none of the square's eight
// symmetries maps that cutting onto itself (the parallelogram would have to be its own mirror
// image), so it lies in 8 ways. The triangle's 12 and the rectangle's 36 are likewise multiples of
// their 2 and 4 symmetries.
TEST(Solver, CountsTheConvexFigures) {
    struct Convex {
        const char* name;
        Placement figure;
        std::size_t layings;
    };
    const Convex figures[] = {
        {"triangle", placementOf({{63, 57, 4}, {77, 47, 0}, {70, 43, 2}, {54, 54, 0}, {74, 34, 0}, {75, 55, 0}, {65, 50, 4}}), 12},
        {"square", placementOf({{65, 40, 6}, {53, 52, 10}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {60, 47, 2}, {71, 37, 6}}), 8},
        {"rectangle", placementOf({{77, 33, 12}, {67, 47, 0}, {63, 40, 14}, {46, 36, 8}, {54, 44, 0}, {75, 45, 0}, {70, 35, 16}}), 36},
        {"right trapezium 1", placementOf({{82, 33, 12}, {72, 47, 0}, {75, 37, 10}, {49, 44, 0}, {61, 36, 8}, {80, 45, 0}, {65, 45, 0}}), 36},
        {"right trapezium 2", placementOf({{62, 40, 14}, {74, 28, 2}, {48, 49, 0}, {67, 49, 10}, {76, 40, 6}, {67, 33, 2}, {57, 44, 6}}), 12},
        {"parallelogram", placementOf({{67, 33, 12}, {83, 33, 8}, {70, 43, 2}, {44, 44, 0}, {56, 44, 4}, {75, 35, 0}, {60, 35, 16}}), 12},
        {"trapezium", placementOf({{67, 47, 0}, {83, 47, 4}, {70, 37, 10}, {44, 44, 0}, {56, 36, 8}, {75, 45, 0}, {60, 45, 0}}), 12},
        {"pentagon 1", placementOf({{83, 37, 6}, {59, 37, 14}, {45, 46, 0}, {64, 46, 10}, {71, 35, 2}, {78, 44, 2}, {54, 41, 6}}), 20},
        {"pentagon 2", placementOf({{43, 52, 4}, {67, 52, 0}, {50, 48, 2}, {54, 39, 0}, {66, 39, 4}, {75, 50, 0}, {60, 50, 0}}), 16},
        {"hexagon 1", placementOf({{68, 48, 8}, {72, 52, 0}, {55, 32, 10}, {51, 41, 8}, {59, 49, 0}, {70, 40, 0}, {65, 30, 16}}), 56},
        {"hexagon 2", placementOf({{72, 28, 12}, {68, 48, 8}, {55, 32, 10}, {51, 41, 8}, {59, 49, 0}, {70, 40, 0}, {65, 30, 16}}), 24},
        {"hexagon 3", placementOf({{78, 37, 4}, {68, 43, 8}, {42, 40, 6}, {51, 36, 8}, {59, 44, 0}, {70, 35, 0}, {75, 45, 0}}), 8},
        {"hexagon 4", placementOf({{67, 42, 0}, {53, 52, 4}, {60, 48, 2}, {54, 39, 0}, {66, 31, 8}, {45, 50, 0}, {75, 35, 20}}), 4},
    };
    for (const Convex& convex : figures) {
        const SolveResult result = solveAll(convex.figure);
        EXPECT_EQ(result.end, SolveEnd::Exhausted) << convex.name;
        EXPECT_EQ(result.solutions.size(), convex.layings) << convex.name;
    }
    // Counting stops at the limit, and says so.
    const SolveResult capped = solveSilhouette(*silhouetteOf(figures[9].figure), SolveLimits{50});
    EXPECT_EQ(capped.end, SolveEnd::SolutionLimit);
    EXPECT_EQ(capped.solutions.size(), 50u);
}

// A strip of eight 10 x 10 squares, each made of two small triangles, has the tans' area, but a
// large triangle is 14 units wide however it is turned: it fits nowhere, and no laying exists.
TEST(Solver, FigureThatCannotBeLaid) {
    const auto strip = std::make_unique<CoverageGrid>();
    for (int x = 20; x < 100; x += 10) {
        strip->addTan(1, TanPlacement{static_cast<std::uint8_t>(x + 7), 42, 0});
        strip->addTan(1, TanPlacement{static_cast<std::uint8_t>(x + 3), 38, 8});
    }
    const SolveResult result = solveSilhouette(*strip);
    EXPECT_EQ(result.end, SolveEnd::Exhausted);
    EXPECT_TRUE(result.solutions.empty());
    EXPECT_EQ(rateDifficulty(result).rating, 0);

    SolveLimits tight;
    tight.maxPlacements = 3;
    EXPECT_EQ(solveSilhouette(*silhouetteOf(cornerChain()), tight).end, SolveEnd::PlacementLimit);
}

// Many ways to lay a compact figure make it easy; tans hanging on by their corners, turned by
// 22.5 degrees, make a figure hard.
TEST(Difficulty, CompactIsEasyLooseAndTurnedIsHard) {
    const Placement hexagon =
        placementOf({{68, 48, 8}, {72, 52, 0}, {55, 32, 10}, {51, 41, 8}, {59, 49, 0}, {70, 40, 0}, {65, 30, 16}});
    const Placement leaningMan =
        placementOf({{46, 22, 7}, {75, 35, 15}, {66, 63, 5}, {61, 27, 3}, {56, 50, 15}, {66, 16, 3}, {50, 43, 7}});
    EXPECT_EQ(looseTans(hexagon), 0);
    // Only the two small triangles sharing hole B hold each other along a side.
    EXPECT_EQ(looseTans(cornerChain()), 5);
    EXPECT_EQ(rateDifficulty(solveSilhouette(*silhouetteOf(hexagon))).rating, 1);
    EXPECT_EQ(rateDifficulty(solveSilhouette(*silhouetteOf(leaningMan))).rating, 5);
}

}  // namespace
}  // namespace pivo::tool
