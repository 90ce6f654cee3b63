#include "TileRasters.h"

#include "Tans.h"

#include <array>
#include <bitset>
#include <cassert>
#include <cstdlib>
#include <vector>

namespace pivo {
namespace {

// Rasters of the odd tile types, whose edges run at 22.5 degrees to the axes: the partial codes there
// name cell shapes that no formula gives, so they are typed in, row by row over the tile box.
// Rows shorter than the array are padded with zeros; a row's length is the width of the tile box.
constexpr int MaxBoxSide = 12;
using OddRaster = std::array<std::array<std::uint8_t, MaxBoxSide>, MaxBoxSide>;

constexpr std::array<OddRaster, 8> OddRasters{{
    {{  // type 1
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 11, 54}},
        {{0, 0, 0, 0, 0, 0, 0, 0, 11, 55, 64, 24}},
        {{0, 0, 0, 0, 0, 0, 11, 55, 64, 64, 64, 2}},
        {{0, 0, 0, 0, 11, 55, 64, 64, 64, 64, 63, 0}},
        {{0, 0, 11, 55, 64, 64, 64, 64, 64, 64, 24, 0}},
        {{11, 55, 64, 64, 64, 64, 64, 64, 64, 64, 2, 0}},
        {{5, 39, 56, 64, 64, 64, 64, 64, 64, 63, 0, 0}},
        {{0, 0, 0, 5, 39, 56, 64, 64, 64, 24, 0, 0}},
        {{0, 0, 0, 0, 0, 0, 5, 39, 56, 2, 0, 0}},
    }},
    {{  // type 3
        {{46, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {{42, 64, 50, 12, 0, 0, 0, 0, 0, 0, 0, 0}},
        {{3, 64, 64, 64, 50, 12, 0, 0, 0, 0, 0, 0}},
        {{0, 60, 64, 64, 64, 64, 50, 12, 0, 0, 0, 0}},
        {{0, 42, 64, 64, 64, 64, 64, 64, 50, 12, 0, 0}},
        {{0, 3, 64, 64, 64, 64, 64, 64, 64, 64, 50, 12}},
        {{0, 0, 60, 64, 64, 64, 64, 64, 64, 57, 27, 6}},
        {{0, 0, 42, 64, 64, 64, 57, 27, 6, 0, 0, 0}},
        {{0, 0, 3, 57, 27, 6, 0, 0, 0, 0, 0, 0}},
    }},
    {{  // type 5
        {{0, 0, 1, 16, 0, 0, 0, 0, 0}},
        {{0, 0, 40, 44, 0, 0, 0, 0, 0}},
        {{0, 0, 62, 64, 16, 0, 0, 0, 0}},
        {{0, 1, 64, 64, 44, 0, 0, 0, 0}},
        {{0, 40, 64, 64, 64, 16, 0, 0, 0}},
        {{0, 62, 64, 64, 64, 44, 0, 0, 0}},
        {{1, 64, 64, 64, 64, 64, 16, 0, 0}},
        {{40, 64, 64, 64, 64, 64, 44, 0, 0}},
        {{62, 64, 64, 64, 64, 64, 64, 16, 0}},
        {{5, 39, 56, 64, 64, 64, 64, 44, 0}},
        {{0, 0, 0, 5, 39, 56, 64, 64, 16}},
        {{0, 0, 0, 0, 0, 0, 5, 39, 36}},
    }},
    {{  // type 7
        {{0, 0, 0, 0, 0, 0, 7, 37, 41}},
        {{0, 0, 0, 7, 37, 58, 64, 64, 19}},
        {{7, 37, 58, 64, 64, 64, 64, 47, 0}},
        {{60, 64, 64, 64, 64, 64, 64, 19, 0}},
        {{42, 64, 64, 64, 64, 64, 47, 0, 0}},
        {{3, 64, 64, 64, 64, 64, 19, 0, 0}},
        {{0, 60, 64, 64, 64, 47, 0, 0, 0}},
        {{0, 42, 64, 64, 64, 19, 0, 0, 0}},
        {{0, 3, 64, 64, 47, 0, 0, 0, 0}},
        {{0, 0, 60, 64, 19, 0, 0, 0, 0}},
        {{0, 0, 42, 47, 0, 0, 0, 0, 0}},
        {{0, 0, 3, 19, 0, 0, 0, 0, 0}},
    }},
    {{  // type 9
        {{0, 0, 1, 59, 25, 8, 0, 0, 0, 0, 0, 0}},
        {{0, 0, 40, 64, 64, 64, 59, 25, 8, 0, 0, 0}},
        {{0, 0, 62, 64, 64, 64, 64, 64, 64, 59, 25, 8}},
        {{0, 1, 64, 64, 64, 64, 64, 64, 64, 64, 53, 9}},
        {{0, 40, 64, 64, 64, 64, 64, 64, 53, 9, 0, 0}},
        {{0, 62, 64, 64, 64, 64, 53, 9, 0, 0, 0, 0}},
        {{1, 64, 64, 64, 53, 9, 0, 0, 0, 0, 0, 0}},
        {{40, 64, 53, 9, 0, 0, 0, 0, 0, 0, 0, 0}},
        {{51, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    }},
    {{  // type 11
        {{0, 0, 0, 0, 0, 0, 7, 37, 58, 4, 0, 0}},
        {{0, 0, 0, 7, 37, 58, 64, 64, 64, 22, 0, 0}},
        {{7, 37, 58, 64, 64, 64, 64, 64, 64, 61, 0, 0}},
        {{14, 52, 64, 64, 64, 64, 64, 64, 64, 64, 4, 0}},
        {{0, 0, 14, 52, 64, 64, 64, 64, 64, 64, 22, 0}},
        {{0, 0, 0, 0, 14, 52, 64, 64, 64, 64, 61, 0}},
        {{0, 0, 0, 0, 0, 0, 14, 52, 64, 64, 64, 4}},
        {{0, 0, 0, 0, 0, 0, 0, 0, 14, 52, 64, 22}},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14, 49}},
    }},
    {{  // type 13
        {{43, 25, 8, 0, 0, 0, 0, 0, 0}},
        {{20, 64, 64, 59, 25, 8, 0, 0, 0}},
        {{0, 48, 64, 64, 64, 64, 59, 25, 8}},
        {{0, 20, 64, 64, 64, 64, 64, 64, 63}},
        {{0, 0, 48, 64, 64, 64, 64, 64, 24}},
        {{0, 0, 20, 64, 64, 64, 64, 64, 2}},
        {{0, 0, 0, 48, 64, 64, 64, 63, 0}},
        {{0, 0, 0, 20, 64, 64, 64, 24, 0}},
        {{0, 0, 0, 0, 48, 64, 64, 2, 0}},
        {{0, 0, 0, 0, 20, 64, 63, 0, 0}},
        {{0, 0, 0, 0, 0, 48, 24, 0, 0}},
        {{0, 0, 0, 0, 0, 20, 2, 0, 0}},
    }},
    {{  // type 15
        {{0, 0, 0, 0, 0, 17, 4, 0, 0}},
        {{0, 0, 0, 0, 0, 45, 22, 0, 0}},
        {{0, 0, 0, 0, 17, 64, 61, 0, 0}},
        {{0, 0, 0, 0, 45, 64, 64, 4, 0}},
        {{0, 0, 0, 17, 64, 64, 64, 22, 0}},
        {{0, 0, 0, 45, 64, 64, 64, 61, 0}},
        {{0, 0, 17, 64, 64, 64, 64, 64, 4}},
        {{0, 0, 45, 64, 64, 64, 64, 64, 22}},
        {{0, 17, 64, 64, 64, 64, 64, 64, 61}},
        {{0, 45, 64, 64, 64, 64, 57, 27, 6}},
        {{17, 64, 64, 57, 27, 6, 0, 0, 0}},
        {{38, 27, 6, 0, 0, 0, 0, 0, 0}},
    }},
}};

// The fit pair table: for each existing code, the incoming codes it accepts.
// Each row: the existing code, then the incoming codes it accepts, padded with zeros.
constexpr std::array<std::array<std::uint8_t, 14>, 60> FitPairs{{
    {1, 2, 4, 6, 9, 16, 19, 22, 24, 35, 41, 47, 54, 63},
    {2, 1, 3, 7, 11, 17, 20, 29, 38, 40, 42, 45, 51, 62},
    {3, 2, 4, 8, 12, 16, 19, 22, 24, 34, 36, 44, 49, 61},
    {4, 1, 3, 5, 14, 17, 20, 30, 40, 42, 43, 46, 48, 60},
    {5, 4, 7, 8, 11, 12, 16, 25, 34, 37, 43, 46, 50, 59},
    {6, 1, 7, 8, 11, 12, 17, 25, 29, 37, 41, 54, 55, 58},
    {7, 2, 5, 6, 9, 14, 19, 27, 35, 38, 39, 51, 53, 57},
    {8, 3, 5, 6, 9, 14, 20, 27, 30, 36, 39, 49, 52, 56},
    {9, 1, 7, 8, 11, 12, 17, 29, 37, 41, 54, 55},
    {10, 54},
    {11, 2, 5, 6, 9, 14, 19, 27, 35, 38, 51, 53},
    {12, 3, 5, 6, 9, 14, 20, 30, 36, 39, 49, 52},
    {13, 51},
    {14, 4, 7, 8, 11, 12, 16, 25, 34, 43, 46, 50},
    {15, 49},
    {16, 1, 3, 5, 14, 17, 20, 30, 42, 43, 46, 48},
    {17, 2, 4, 6, 9, 16, 19, 24, 35, 41, 47, 54},
    {18, 46},
    {19, 1, 3, 7, 11, 17, 20, 29, 38, 40, 45, 51},
    {20, 2, 4, 8, 12, 16, 19, 22, 34, 36, 44, 49},
    {21, 43},
    {22, 1, 3, 20, 42},
    {23, 41},
    {24, 1, 3, 17, 40},
    {25, 5, 6, 14, 39},
    {26, 38},
    {27, 7, 8, 11, 37},
    {28, 36},
    {29, 2, 6, 9, 19, 35},
    {30, 4, 8, 12, 16, 34},
    {34, 3, 5, 14, 20, 30},
    {35, 1, 7, 11, 17, 29},
    {36, 3, 8, 20},
    {37, 5, 6, 9, 27},
    {38, 1, 7, 19},
    {39, 7, 8, 12, 25},
    {40, 2, 4, 19, 24},
    {41, 1, 6, 17},
    {42, 2, 4, 16, 22},
    {43, 4, 5, 16},
    {44, 3, 20},
    {45, 2, 19},
    {46, 4, 5, 14},
    {47, 1, 17},
    {48, 4, 16},
    {49, 3, 8, 12},
    {50, 5, 14},
    {51, 2, 7, 11},
    {52, 8, 12},
    {53, 7, 11},
    {54, 1, 6, 9},
    {55, 6, 9},
    {56, 8},
    {57, 7},
    {58, 6},
    {59, 5},
    {60, 4},
    {61, 3},
    {62, 2},
    {63, 1},
}};

constexpr int RasterSide = 14;
constexpr int RasterOrigin = 7;
using Raster = std::array<std::array<std::uint8_t, RasterSide>, RasterSide>;  // [cx + 7][cy + 7]

// Area of the part of unit cell (x, y) inside a triangle, by clipping the cell against each edge.
struct Vec {
    double x, y;
};

double clippedArea(const std::array<Point, 3>& tri, int cellX, int cellY, Vec& centroid) {
    std::vector<Vec> poly{{double(cellX), double(cellY)},
                          {double(cellX + 1), double(cellY)},
                          {double(cellX + 1), double(cellY + 1)},
                          {double(cellX), double(cellY + 1)}};
    // Orientation of the triangle decides which side of each edge is inside.
    const double turn = double(tri[1].x - tri[0].x) * (tri[2].y - tri[0].y) -
                        double(tri[1].y - tri[0].y) * (tri[2].x - tri[0].x);
    for (int e = 0; e < 3 && !poly.empty(); ++e) {
        const Point a = tri[e];
        const Point b = tri[(e + 1) % 3];
        auto side = [&](Vec p) { return ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) * turn; };
        std::vector<Vec> out;
        for (std::size_t i = 0; i < poly.size(); ++i) {
            const Vec p = poly[i];
            const Vec q = poly[(i + 1) % poly.size()];
            const double sp = side(p);
            const double sq = side(q);
            if (sp >= 0) out.push_back(p);
            if ((sp >= 0) != (sq >= 0)) {
                const double t = sp / (sp - sq);
                out.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
            }
        }
        poly = std::move(out);
    }
    double area2 = 0, cx = 0, cy = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const Vec p = poly[i];
        const Vec q = poly[(i + 1) % poly.size()];
        const double cross = p.x * q.y - q.x * p.y;
        area2 += cross;
        cx += (p.x + q.x) * cross;
        cy += (p.y + q.y) * cross;
    }
    if (area2 != 0) centroid = {cx / (3 * area2), cy / (3 * area2)};
    return area2 < 0 ? -area2 / 2 : area2 / 2;
}

// Even tile types have edges along the axes and diagonals, so every cell is empty, full, or halved
// by a diagonal through two of its corners; the code names the covered half.
Raster deriveEvenRaster(int type) {
    Raster raster{};
    const auto v = vertexOffsets(Shape::SmallTriangle, type);
    const std::array<Point, 3> tri{v[0], v[1], v[2]};
    const TileBox& box = tileBox(type);
    for (int cx = box.x0; cx <= box.x1; ++cx) {
        for (int cy = box.y0; cy <= box.y1; ++cy) {
            Vec centroid{};
            const double area = clippedArea(tri, cx, cy, centroid);
            std::uint8_t code = 0;
            if (area > 0.999) {
                code = FullCell;
            } else if (area > 0.001) {
                if (area < 0.499 || area > 0.501) std::abort();
                const bool right = centroid.x > cx + 0.5;
                const bool lower = centroid.y > cy + 0.5;
                code = right ? (lower ? 29 : 30) : (lower ? 34 : 35);
            }
            raster[cx + RasterOrigin][cy + RasterOrigin] = code;
        }
    }
    return raster;
}

Raster typedOddRaster(int type) {
    Raster raster{};
    const TileBox& box = tileBox(type);
    const OddRaster& typed = OddRasters[type / 2];
    for (int row = 0; row <= box.y1 - box.y0; ++row)
        for (int column = 0; column <= box.x1 - box.x0; ++column)
            raster[box.x0 + column + RasterOrigin][box.y0 + row + RasterOrigin] = typed[row][column];
    return raster;
}

struct Tables {
    std::array<Raster, 16> rasters{};
    std::array<std::vector<RasterCell>, 16> cells;
    std::bitset<64 * 64> pairs;
    int pairCount = 0;

    Tables() {
        for (int t = 0; t < 16; ++t) {
            rasters[t] = t % 2 == 0 ? deriveEvenRaster(t) : typedOddRaster(t);
            const TileBox& box = tileBox(t);
            for (int cy = box.y0; cy <= box.y1; ++cy)
                for (int cx = box.x0; cx <= box.x1; ++cx)
                    if (const auto code = rasters[t][cx + RasterOrigin][cy + RasterOrigin])
                        cells[t].push_back({static_cast<std::int8_t>(cx), static_cast<std::int8_t>(cy), code});
        }
        for (const auto& row : FitPairs) {
            for (std::size_t i = 1; i < row.size() && row[i] != 0; ++i) {
                pairs.set(row[0] * 64 + row[i]);
                ++pairCount;
            }
        }
    }
};

const Tables& tables() {
    static const Tables instance;
    return instance;
}

}  // namespace

int rasterCode(int tileType, int cx, int cy) {
    const TileBox& box = tileBox(tileType);
    if (cx < box.x0 || cx > box.x1 || cy < box.y0 || cy > box.y1) return 0;
    return tables().rasters[tileType][cx + RasterOrigin][cy + RasterOrigin];
}

std::span<const RasterCell> rasterCells(int tileType) {
    assert(tileType >= 0 && tileType < 16);
    return tables().cells[tileType];
}

bool isFitPair(int existing, int incoming) {
    if (existing < 1 || existing > 63 || incoming < 1 || incoming > 63) return false;
    return tables().pairs.test(existing * 64 + incoming);
}

int fitPairCount() { return tables().pairCount; }

}  // namespace pivo
