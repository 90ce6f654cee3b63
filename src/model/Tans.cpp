#include "Tans.h"

#include <algorithm>
#include <cassert>

namespace pivo {
namespace {

using Tri = std::array<Point, 3>;
using Quad = std::array<Point, 4>;

// Small triangle; its row for turn step t is also the outline of tile type t.
constexpr std::array<Tri, 16> SmallVertices{{
    {{{-7, 3}, {3, 3}, {3, -7}}},
    {{{-7, 1}, {2, 4}, {5, -5}}},
    {{{-7, -2}, {0, 5}, {7, -2}}},
    {{{-5, -5}, {-2, 4}, {7, 1}}},
    {{{-3, -7}, {-3, 3}, {7, 3}}},
    {{{-1, -7}, {-4, 2}, {5, 5}}},
    {{{2, -7}, {-5, 0}, {2, 7}}},
    {{{5, -5}, {-4, -2}, {-1, 7}}},
    {{{7, -3}, {-3, -3}, {-3, 7}}},
    {{{7, -1}, {-2, -4}, {-5, 5}}},
    {{{7, 2}, {0, -5}, {-7, 2}}},
    {{{5, 5}, {2, -4}, {-7, -1}}},
    {{{3, 7}, {3, -3}, {-7, -3}}},
    {{{1, 7}, {4, -2}, {-5, -5}}},
    {{{-2, 7}, {5, 0}, {-2, -7}}},
    {{{-5, 5}, {4, 2}, {1, -7}}},
}};

constexpr std::array<Tri, 16> MediumVertices{{
    {{{-9, 5}, {5, 5}, {5, -9}}},
    {{{-10, 0}, {2, 6}, {8, -6}}},
    {{{-10, -3}, {0, 7}, {10, -3}}},
    {{{-8, -6}, {-2, 6}, {10, 0}}},
    {{{-5, -9}, {-5, 5}, {9, 5}}},
    {{{0, -10}, {-6, 2}, {6, 8}}},
    {{{3, -10}, {-7, 0}, {3, 10}}},
    {{{6, -8}, {-6, -2}, {0, 10}}},
    {{{9, -5}, {-5, -5}, {-5, 9}}},
    {{{10, 0}, {-2, -6}, {-8, 6}}},
    {{{10, 3}, {0, -7}, {-10, 3}}},
    {{{8, 6}, {2, -6}, {-10, 0}}},
    {{{5, 9}, {5, -5}, {-9, -5}}},
    {{{0, 10}, {6, -2}, {-6, -8}}},
    {{{-3, 10}, {7, 0}, {-3, -10}}},
    {{{-6, 8}, {6, 2}, {0, -10}}},
}};

constexpr std::array<Tri, 16> LargeVertices{{
    {{{-14, 6}, {6, 6}, {6, -14}}},
    {{{-14, 2}, {4, 8}, {10, -10}}},
    {{{-14, -5}, {0, 9}, {14, -5}}},
    {{{-10, -10}, {-4, 8}, {14, 2}}},
    {{{-6, -14}, {-6, 6}, {14, 6}}},
    {{{-2, -14}, {-8, 4}, {10, 10}}},
    {{{5, -14}, {-9, 0}, {5, 14}}},
    {{{10, -10}, {-8, -4}, {-2, 14}}},
    {{{14, -6}, {-6, -6}, {-6, 14}}},
    {{{14, -2}, {-4, -8}, {-10, 10}}},
    {{{14, 5}, {0, -9}, {-14, 5}}},
    {{{10, 10}, {4, -8}, {-14, -2}}},
    {{{6, 14}, {6, -6}, {-14, -6}}},
    {{{2, 14}, {8, -4}, {-10, -10}}},
    {{{-5, 14}, {9, 0}, {-5, -14}}},
    {{{-10, 10}, {8, 4}, {2, -14}}},
}};

constexpr std::array<Quad, 4> SquareVertices{{
    {{{-5, -5}, {-5, 5}, {5, 5}, {5, -5}}},
    {{{-3, -6}, {-6, 3}, {3, 6}, {6, -3}}},
    {{{0, -7}, {-7, 0}, {0, 7}, {7, 0}}},
    {{{3, -6}, {-6, -3}, {-3, 6}, {6, 3}}},
}};

// Rows 0..7 are the unmirrored parallelogram, rows 8..15 the mirrored one (orientations 16..23).
constexpr std::array<Quad, 16> ParallelogramVertices{{
    {{{-10, 5}, {0, 5}, {10, -5}, {0, -5}}},
    {{{-11, 2}, {-2, 5}, {10, -1}, {1, -4}}},
    {{{-11, -3}, {-4, 4}, {10, 4}, {3, -3}}},
    {{{-8, -7}, {-5, 2}, {7, 8}, {4, -1}}},
    {{{-5, -10}, {-5, 0}, {5, 10}, {5, 0}}},
    {{{-2, -11}, {-5, -2}, {1, 10}, {4, 1}}},
    {{{3, -11}, {-4, -4}, {-4, 10}, {3, 3}}},
    {{{7, -8}, {-2, -5}, {-8, 7}, {1, 4}}},
    {{{10, 5}, {0, -5}, {-10, -5}, {0, 5}}},
    {{{8, 7}, {2, -5}, {-7, -8}, {-1, 4}}},
    {{{4, 10}, {4, -4}, {-3, -11}, {-3, 3}}},
    {{{-1, 10}, {5, -2}, {2, -11}, {-4, 1}}},
    {{{-5, 10}, {5, 0}, {5, -10}, {-5, 0}}},
    {{{-7, 8}, {5, 2}, {8, -7}, {-4, -1}}},
    {{{-10, 4}, {4, 4}, {11, -3}, {-3, -3}}},
    {{{-10, -1}, {2, 5}, {11, 2}, {-1, -4}}},
}};

constexpr std::array<std::array<Tile, 1>, 16> SmallTiles{{
    {{{0, 0, 0}}}, {{{0, 0, 1}}}, {{{0, 0, 2}}}, {{{0, 0, 3}}},
    {{{0, 0, 4}}}, {{{0, 0, 5}}}, {{{0, 0, 6}}}, {{{0, 0, 7}}},
    {{{0, 0, 8}}}, {{{0, 0, 9}}}, {{{0, 0, 10}}}, {{{0, 0, 11}}},
    {{{0, 0, 12}}}, {{{0, 0, 13}}}, {{{0, 0, 14}}}, {{{0, 0, 15}}},
}};

constexpr std::array<std::array<Tile, 2>, 16> MediumTiles{{
    {{{-2, 3, 10}, {3, -2, 6}}},
    {{{-3, 1, 11}, {3, -1, 7}}},
    {{{-3, 0, 12}, {3, 0, 8}}},
    {{{-3, -1, 13}, {3, 1, 9}}},
    {{{-3, -2, 14}, {2, 3, 10}}},
    {{{-1, -3, 15}, {1, 3, 11}}},
    {{{0, -3, 0}, {0, 3, 12}}},
    {{{1, -3, 1}, {-1, 3, 13}}},
    {{{2, -3, 2}, {-3, 2, 14}}},
    {{{3, -1, 3}, {-3, 1, 15}}},
    {{{3, 0, 4}, {-3, 0, 0}}},
    {{{3, 1, 5}, {-3, -1, 1}}},
    {{{3, 2, 6}, {-2, -3, 2}}},
    {{{1, 3, 7}, {-1, -3, 3}}},
    {{{0, 3, 8}, {0, -3, 4}}},
    {{{-1, 3, 9}, {1, -3, 5}}},
}};

constexpr std::array<std::array<Tile, 4>, 16> LargeTiles{{
    {{{-7, 3, 0}, {-1, 3, 4}, {3, -1, 12}, {3, -7, 0}}},
    {{{-7, 1, 1}, {-1, 3, 5}, {3, 1, 13}, {5, -5, 1}}},
    {{{-7, -3, 2}, {-2, 2, 6}, {2, 2, 14}, {7, -3, 2}}},
    {{{-5, -5, 3}, {-3, 1, 7}, {1, 3, 15}, {7, 1, 3}}},
    {{{-3, -7, 4}, {-3, -1, 8}, {1, 3, 0}, {7, 3, 4}}},
    {{{-1, -7, 5}, {-3, -1, 9}, {-1, 3, 1}, {5, 5, 5}}},
    {{{3, -7, 6}, {-2, -2, 10}, {-2, 2, 2}, {3, 7, 6}}},
    {{{5, -5, 7}, {-1, -3, 11}, {-3, 1, 3}, {-1, 7, 7}}},
    {{{7, -3, 8}, {1, -3, 12}, {-3, 1, 4}, {-3, 7, 8}}},
    {{{7, -1, 9}, {1, -3, 13}, {-3, -1, 5}, {-5, 5, 9}}},
    {{{7, 3, 10}, {2, -2, 14}, {-2, -2, 6}, {-7, 3, 10}}},
    {{{5, 5, 11}, {3, -1, 15}, {-1, -3, 7}, {-7, -1, 11}}},
    {{{3, 7, 12}, {3, 1, 0}, {-1, -3, 8}, {-7, -3, 12}}},
    {{{1, 7, 13}, {3, 1, 1}, {1, -3, 9}, {-5, -5, 13}}},
    {{{-3, 7, 14}, {2, 2, 2}, {2, -2, 10}, {-3, -7, 14}}},
    {{{-5, 5, 15}, {1, 3, 3}, {3, -1, 11}, {1, -7, 15}}},
}};

constexpr std::array<std::array<Tile, 2>, 4> SquareTiles{{
    {{{2, 2, 0}, {-2, -2, 8}}},
    {{{1, 2, 1}, {-1, -2, 9}}},
    {{{0, 2, 2}, {0, -2, 10}}},
    {{{-1, 2, 3}, {1, -2, 11}}},
}};

constexpr std::array<std::array<Tile, 2>, 16> ParallelogramTiles{{
    {{{-3, 2, 0}, {3, -2, 8}}},
    {{{-4, 1, 1}, {3, 0, 9}}},
    {{{-4, -1, 2}, {3, 2, 10}}},
    {{{-3, -2, 3}, {2, 3, 11}}},
    {{{-2, -3, 4}, {2, 3, 12}}},
    {{{-1, -4, 5}, {0, 3, 13}}},
    {{{1, -4, 6}, {-2, 3, 14}}},
    {{{2, -3, 7}, {-3, 2, 15}}},
    {{{3, 2, 4}, {-3, -2, 12}}},
    {{{-2, -3, 13}, {3, 2, 5}}},
    {{{-1, -4, 14}, {2, 3, 6}}},
    {{{1, -4, 15}, {0, 3, 7}}},
    {{{2, -3, 0}, {-2, 3, 8}}},
    {{{3, -2, 1}, {-2, 3, 9}}},
    {{{4, -1, 2}, {-3, 2, 10}}},
    {{{4, 1, 3}, {-3, 0, 11}}},
}};

constexpr std::array<TileBox, 16> makeTileBoxes() {
    std::array<TileBox, 16> boxes{};
    for (int t = 0; t < 16; ++t) {
        int x0 = 100, x1 = -100, y0 = 100, y1 = -100;
        for (const Point& p : SmallVertices[t]) {
            x0 = std::min(x0, p.x);
            x1 = std::max(x1, p.x);
            y0 = std::min(y0, p.y);
            y1 = std::max(y1, p.y);
        }
        boxes[t] = TileBox{x0, x1 - 1, y0, y1 - 1};
    }
    return boxes;
}

constexpr std::array<TileBox, 16> TileBoxes = makeTileBoxes();

constexpr Placement StartPlacement{{
    {117, 71, 6}, {111, 77, 10}, {7, 74, 4}, {8, 8, 8}, {113, 8, 12}, {7, 42, 0}, {116, 43, 14},
}};

// Row of the parallelogram tables: the turn step repeats every 8 steps within each mirror half.
int parallelogramRow(int orientation) { return (orientation / 16) * 8 + orientation % 8; }

}  // namespace

Shape shapeOf(int tan) {
    static constexpr std::array<Shape, TanCount> shapes{Shape::SmallTriangle, Shape::SmallTriangle,
                                                        Shape::MediumTriangle, Shape::LargeTriangle,
                                                        Shape::LargeTriangle, Shape::Square,
                                                        Shape::Parallelogram};
    assert(tan >= 1 && tan <= TanCount);
    return shapes[tan - 1];
}

int turnRadiusOf(Shape shape) {
    switch (shape) {
        case Shape::SmallTriangle: return 3;
        case Shape::MediumTriangle: return 3;
        case Shape::LargeTriangle: return 6;
        case Shape::Square: return 5;
        case Shape::Parallelogram: return 4;
    }
    return 0;
}

std::span<const Point> vertexOffsets(Shape shape, int orientation) {
    assert(orientation >= 0 && orientation <= MaxOrientation);
    const int step = orientation % 16;
    switch (shape) {
        case Shape::SmallTriangle: return SmallVertices[step];
        case Shape::MediumTriangle: return MediumVertices[step];
        case Shape::LargeTriangle: return LargeVertices[step];
        case Shape::Square: return SquareVertices[step % 4];
        case Shape::Parallelogram: return ParallelogramVertices[parallelogramRow(orientation)];
    }
    return {};
}

std::span<const Tile> tileOffsets(Shape shape, int orientation) {
    assert(orientation >= 0 && orientation <= MaxOrientation);
    const int step = orientation % 16;
    switch (shape) {
        case Shape::SmallTriangle: return SmallTiles[step];
        case Shape::MediumTriangle: return MediumTiles[step];
        case Shape::LargeTriangle: return LargeTiles[step];
        case Shape::Square: return SquareTiles[step % 4];
        case Shape::Parallelogram: return ParallelogramTiles[parallelogramRow(orientation)];
    }
    return {};
}

const TileBox& tileBox(int tileType) {
    assert(tileType >= 0 && tileType < 16);
    return TileBoxes[tileType];
}

int tanPolygon(int tan, TanPlacement at, int scale, std::array<Point, 4>& out) {
    const auto vertices = vertexOffsets(shapeOf(tan), at.orientation);
    for (std::size_t i = 0; i < vertices.size(); ++i)
        out[i] = Point{(at.x + vertices[i].x) * scale, (at.y + vertices[i].y) * scale};
    return static_cast<int>(vertices.size());
}

bool fitsBoard(int tan, int x, int y, int orientation) {
    if (orientation < 0 || orientation > MaxOrientation) return false;
    for (const Tile& tile : tileOffsets(shapeOf(tan), orientation)) {
        const TileBox& box = TileBoxes[tile.type];
        if (x + tile.dx + box.x0 < 0 || y + tile.dy + box.y0 < 0) return false;
        if (x + tile.dx + box.x1 > MaxX || y + tile.dy + box.y1 > MaxY) return false;
    }
    return true;
}

int mirroredOrientation(int orientation) {
    switch (orientation) {
        case 0:
        case 8: return 16;
        case 16:
        case 24: return 0;
        default: return 32 - orientation;
    }
}

const Placement& startPlacement() { return StartPlacement; }

}  // namespace pivo
