#include "model/Board.h"
#include "model/Tans.h"

#include <gtest/gtest.h>

#include <vector>

namespace pivo {
namespace {

long long twiceArea(std::span<const Point> polygon) {
    long long sum = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point& p = polygon[i];
        const Point& q = polygon[(i + 1) % polygon.size()];
        sum += static_cast<long long>(p.x) * q.y - static_cast<long long>(q.x) * p.y;
    }
    return sum < 0 ? -sum : sum;
}

std::vector<int> allOrientations() {
    std::vector<int> o;
    for (int i = 0; i <= MaxOrientation; ++i) o.push_back(i);
    return o;
}

// The start places of the tans lie on the board; tan 1 touches the right edge exactly.
TEST(Tans, StartPositionsFitTheBoardAndTanOneStopsAtTheEdge) {
    for (int tan = 1; tan <= TanCount; ++tan) {
        const TanPlacement at = startPlacement()[tan - 1];
        EXPECT_TRUE(fitsBoard(tan, at.x, at.y, at.orientation)) << "tan " << tan;
    }
    std::array<Point, 4> v{};
    ASSERT_EQ(tanPolygon(1, startPlacement()[0], 1, v), 3);
    EXPECT_EQ(v[0], (Point{119, 64}));
    EXPECT_EQ(v[1], (Point{112, 71}));
    EXPECT_EQ(v[2], (Point{119, 78}));
    EXPECT_FALSE(fitsBoard(1, 120, 71, 6));
    EXPECT_FALSE(fitsBoard(1, 117, 71, 32)) << "orientations above 31 are outside the data model";
}

// Only the parallelogram changes when mirrored; the square repeats every quarter turn.
TEST(Tans, RepetitionRules) {
    for (int tan : {1, 3, 4, 6}) {
        const Shape shape = shapeOf(tan);
        for (int o = 0; o < 16; ++o) {
            const auto a = vertexOffsets(shape, o);
            const auto b = vertexOffsets(shape, o + 16);
            EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << "tan " << tan << " o " << o;
        }
    }
    const auto five = vertexOffsets(Shape::Square, 5);
    const auto one = vertexOffsets(Shape::Square, 1);
    EXPECT_TRUE(std::equal(five.begin(), five.end(), one.begin(), one.end()));
    const auto p0 = vertexOffsets(Shape::Parallelogram, 0);
    const auto p16 = vertexOffsets(Shape::Parallelogram, 16);
    EXPECT_FALSE(std::equal(p0.begin(), p0.end(), p16.begin(), p16.end()));
}

// Mirroring the parallelogram twice gives back its orientation.
TEST(Tans, MirroringIsAnInvolution) {
    EXPECT_EQ(mirroredOrientation(0), 16);
    EXPECT_EQ(mirroredOrientation(8), 16);
    EXPECT_EQ(mirroredOrientation(24), 0);
    EXPECT_EQ(mirroredOrientation(3), 29);
    EXPECT_EQ(mirroredOrientation(7), 25);
    EXPECT_EQ(mirroredOrientation(15), 17);
    for (int o : allOrientations()) {
        if (o == 8 || o == 24) continue;  // both fold onto the unturned halves
        EXPECT_EQ(mirroredOrientation(mirroredOrientation(o)), o) << o;
    }
}

// A typing slip in a tile row shows as a tiling whose triangles do not add up to the tan's area.
TEST(Tans, TilesCoverTheTanArea) {
    for (int tan : {1, 3, 4, 6, 7}) {
        const Shape shape = shapeOf(tan);
        for (int o : allOrientations()) {
            long long tiles = 0;
            for (const Tile& tile : tileOffsets(shape, o)) tiles += twiceArea(vertexOffsets(Shape::SmallTriangle, tile.type));
            EXPECT_EQ(tiles, twiceArea(vertexOffsets(shape, o))) << "tan " << tan << " o " << o;
        }
    }
}

// The hit test's wedges rely on the vertex order; a point well inside every tan must hit it.
TEST(Tans, VertexOrderMakesTheInsideHit) {
    constexpr int unit = 10;
    for (int tan : {1, 3, 4, 6, 7}) {
        for (int o : allOrientations()) {
            const TanPlacement at{60, 40, static_cast<std::uint8_t>(o)};
            std::array<Point, 4> v{};
            const int n = tanPolygon(tan, at, unit, v);
            int cx = 0, cy = 0;
            for (int i = 0; i < n; ++i) {
                cx += v[i].x;
                cy += v[i].y;
            }
            EXPECT_NE(hitTest(tan, at, unit, cx / n, cy / n), GrabZone::Outside) << "tan " << tan << " o " << o;
            EXPECT_EQ(hitTest(tan, at, unit, 0, 0), GrabZone::Outside);
        }
    }
}

// Tile boxes are the cells a tile can touch, and the board fit test keeps every box on the board.
TEST(Tans, TileBoxesAndBoardFit) {
    EXPECT_EQ(tileBox(0).x0, -7);
    EXPECT_EQ(tileBox(0).x1, 2);
    EXPECT_EQ(tileBox(0).y0, -7);
    EXPECT_EQ(tileBox(0).y1, 2);
    EXPECT_EQ(tileBox(1).x0, -7);
    EXPECT_EQ(tileBox(1).x1, 4);
    EXPECT_EQ(tileBox(1).y0, -5);
    EXPECT_EQ(tileBox(1).y1, 3);
    for (int t = 0; t < 16; ++t) {
        EXPECT_GE(tileBox(t).x0, -7);
        EXPECT_LE(tileBox(t).x1, 6);
        EXPECT_GE(tileBox(t).y0, -7);
        EXPECT_LE(tileBox(t).y1, 6);
    }
    // The large triangle at step 0 reaches 14 units left and up of its reference point.
    EXPECT_TRUE(fitsBoard(4, 14, 14, 0));
    EXPECT_FALSE(fitsBoard(4, 13, 14, 0));
    EXPECT_FALSE(fitsBoard(4, 14, 13, 0));
    EXPECT_TRUE(fitsBoard(4, 115, 75, 0));
    EXPECT_FALSE(fitsBoard(4, 116, 75, 0));
    EXPECT_FALSE(fitsBoard(4, 115, 76, 0));
}

}  // namespace
}  // namespace pivo
