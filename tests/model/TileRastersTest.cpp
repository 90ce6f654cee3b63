#include "model/CoverageGrid.h"
#include "model/TileRasters.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace pivo {
namespace {

struct V {
    double x, y;
};

// Area of the unit cell (cx, cy) inside a convex polygon, by clipping the polygon against the cell's
// four sides; written here independently of the game's own geometry.
double overlap(std::span<const Point> tri, int cx, int cy) {
    std::vector<V> poly;
    for (const Point& p : tri) poly.push_back({double(p.x), double(p.y)});
    const auto clip = [&](auto inside, auto cross) {
        std::vector<V> out;
        for (std::size_t i = 0; i < poly.size(); ++i) {
            const V a = poly[i];
            const V b = poly[(i + 1) % poly.size()];
            if (inside(a)) out.push_back(a);
            if (inside(a) != inside(b)) out.push_back(cross(a, b));
        }
        poly = out;
    };
    const auto atX = [](double x) {
        return [x](V a, V b) { return V{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)}; };
    };
    const auto atY = [](double y) {
        return [y](V a, V b) { return V{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y}; };
    };
    clip([&](V p) { return p.x >= cx; }, atX(cx));
    clip([&](V p) { return p.x <= cx + 1; }, atX(cx + 1));
    clip([&](V p) { return p.y >= cy; }, atY(cy));
    clip([&](V p) { return p.y <= cy + 1; }, atY(cy + 1));
    double area = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const V a = poly[i];
        const V b = poly[(i + 1) % poly.size()];
        area += a.x * b.y - b.x * a.y;
    }
    return area < 0 ? -area / 2 : area / 2;
}

// Every raster marks exactly the cells its triangle overlaps, and the cells wholly inside with 64.
TEST(TileRasters, NonzeroExactlyWhereTheTriangleOverlaps) {
    for (int t = 0; t < 16; ++t) {
        const auto tri = vertexOffsets(Shape::SmallTriangle, t);
        for (int cx = -8; cx <= 7; ++cx) {
            for (int cy = -8; cy <= 7; ++cy) {
                const double area = overlap(tri, cx, cy);
                const int code = rasterCode(t, cx, cy);
                EXPECT_EQ(code != 0, area > 1e-9) << "type " << t << " cell " << cx << "," << cy;
                if (area > 1 - 1e-9) {
                    EXPECT_EQ(code, FullCell) << "type " << t << " cell " << cx << "," << cy;
                }
                if (code == FullCell) {
                    EXPECT_GT(area, 1 - 1e-9) << "type " << t << " cell " << cx << "," << cy;
                }
            }
        }
    }
}

// Only the listed partial codes occur in rasters; eight codes exist only in the fit pair table.
TEST(TileRasters, PartialCodesInRasters) {
    std::set<int> seen;
    for (int t = 0; t < 16; ++t)
        for (const RasterCell& cell : rasterCells(t))
            if (cell.code != FullCell) seen.insert(cell.code);
    std::set<int> expected{1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 16, 17, 19, 20, 22, 24, 25, 27, 29, 30};
    for (int k = 34; k <= 63; ++k) expected.insert(k);
    EXPECT_EQ(seen, expected);
}

// The halves of an even tile's diagonal cells are named by the covered half.
TEST(TileRasters, EvenTypeHalves) {
    EXPECT_EQ(rasterCode(0, 2, -7), 29);   // lower-right half of a cell under the hypotenuse
    EXPECT_EQ(rasterCode(0, 2, -6), 64);
    EXPECT_EQ(rasterCode(0, 1, -7), 0);
    EXPECT_EQ(rasterCode(8, -3, 6), 35);   // the half turn covers the upper-left halves
    EXPECT_EQ(rasterCode(4, -3, -7), 34);  // the quarter turn's hypotenuse runs the other way
    EXPECT_EQ(rasterCode(12, 2, 6), 30);
}

// The fit pair table: 300 pairs, every complementary pair, eight pairs one way only.
TEST(FitPairs, TableContents) {
    EXPECT_EQ(fitPairCount(), 300);
    const std::set<int> oneWay{10, 13, 15, 18, 21, 23, 26, 28};
    for (int k = 1; k <= 30; ++k) {
        EXPECT_TRUE(isFitPair(k, 64 - k)) << k;
        EXPECT_EQ(isFitPair(64 - k, k), !oneWay.contains(k)) << k;
    }
    for (auto [low, high] : {std::pair{10, 54}, {13, 51}, {15, 49}, {18, 46}, {21, 43}, {23, 41}, {26, 38}, {28, 36}}) {
        EXPECT_TRUE(isFitPair(low, high)) << low;
        EXPECT_FALSE(isFitPair(high, low)) << high;
    }
    EXPECT_TRUE(isFitPair(1, 63));
    EXPECT_TRUE(isFitPair(6, 58));
    EXPECT_FALSE(isFitPair(64, 64));
    EXPECT_FALSE(isFitPair(1, 1));
    EXPECT_FALSE(isFitPair(0, 64));
}

// The tiles of one tan meet in complementary parts: no cell of a lone tan exceeds a full cell, and
// where two of its tiles share a cell lying wholly inside the tan their codes add up to exactly 64.
TEST(TileRasters, TilesOfOneTanMeetInComplementaryParts) {
    for (int tan : {3, 4, 6, 7}) {
        for (int o = 0; o <= MaxOrientation; ++o) {
            const TanPlacement at{60, 40, static_cast<std::uint8_t>(o)};
            std::array<Point, 4> polygon{};
            const int corners = tanPolygon(tan, at, 1, polygon);
            CoverageGrid grid;
            grid.addTan(tan, at);
            std::array<int, CoverageGrid::CellCount> contributions{};
            for (const Tile& tile : tileOffsets(shapeOf(tan), o))
                for (const RasterCell& cell : rasterCells(tile.type))
                    ++contributions[(60 + tile.dx + cell.cx) * BoardHeight + 40 + tile.dy + cell.cy];
            for (int x = 0; x < BoardWidth; ++x) {
                for (int y = 0; y < BoardHeight; ++y) {
                    const int n = contributions[x * BoardHeight + y];
                    EXPECT_LE(grid.at(x, y), FullCell) << "tan " << tan << " o " << o;
                    const bool inside = overlap(std::span(polygon.data(), corners), x, y) > 1 - 1e-9;
                    if (n >= 2 && inside) {
                        EXPECT_EQ(grid.at(x, y), FullCell) << "tan " << tan << " o " << o << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

// The seven tans waiting on their start places never share a cell.
TEST(TileRasters, StartPlacesShareNoCell) {
    std::array<int, CoverageGrid::CellCount> owner{};
    for (int tan = 1; tan <= TanCount; ++tan) {
        CoverageGrid alone;
        alone.addTan(tan, startPlacement()[tan - 1]);
        for (int x = 0; x < BoardWidth; ++x)
            for (int y = 0; y < BoardHeight; ++y)
                if (alone.at(x, y) != 0) {
                    EXPECT_EQ(owner[x * BoardHeight + y], 0) << "tans " << owner[x * BoardHeight + y] << " and " << tan;
                    owner[x * BoardHeight + y] = tan;
                }
    }
}

}  // namespace
}  // namespace pivo
