#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace pivo {

/// The board lattice: 121 x 81 unit cells, x to the right, y downwards.
inline constexpr int BoardWidth = 121;
inline constexpr int BoardHeight = 81;
inline constexpr int MaxX = BoardWidth - 1;
inline constexpr int MaxY = BoardHeight - 1;

inline constexpr int TanCount = 7;

/// Shape kinds of the tans; tans 1..7 map to them through shapeOf().
enum class Shape : std::uint8_t {
    SmallTriangle = 1,
    MediumTriangle = 2,
    LargeTriangle = 3,
    Square = 4,
    Parallelogram = 5,
};

/// Position and orientation of one tan: x, y in board units, orientation = mirror * 16 + turn step.
struct TanPlacement {
    std::uint8_t x = 0;
    std::uint8_t y = 0;
    std::uint8_t orientation = 0;

    friend bool operator==(const TanPlacement&, const TanPlacement&) = default;
};

/// The seven tans of a figure, tan 1 first; exactly the 21 bytes of a data-file record.
using Placement = std::array<TanPlacement, TanCount>;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

/// One small-triangle tile of a tan: anchor offset from the tan's reference point and tile type 0..15.
struct Tile {
    int dx = 0;
    int dy = 0;
    int type = 0;
};

/// Cells a tile of some type can touch, relative to its anchor (inclusive bounds).
struct TileBox {
    int x0 = 0;
    int x1 = 0;
    int y0 = 0;
    int y1 = 0;
};

/// Largest orientation value a tan may carry (mirror flag and turn step).
inline constexpr int MaxOrientation = 31;

Shape shapeOf(int tan);
/// Distance from the reference point beyond which a grab turns the tan instead of moving it.
int turnRadiusOf(Shape shape);

/// Vertex offsets of a shape at an orientation (0..31), in the order the hit test relies on.
std::span<const Point> vertexOffsets(Shape shape, int orientation);
/// Tiles of a shape at an orientation (0..31), in table order.
std::span<const Tile> tileOffsets(Shape shape, int orientation);
const TileBox& tileBox(int tileType);

/// The polygon of a tan scaled by s pixels per unit: ((x + vx) * s, (y + vy) * s).
int tanPolygon(int tan, TanPlacement at, int scale, std::array<Point, 4>& out);

/// Whether every tile box of the tan lies on the board.
bool fitsBoard(int tan, int x, int y, int orientation);

/// The orientation a mirrored parallelogram takes.
int mirroredOrientation(int orientation);

/// Where the tans wait at every set-up and before every tip.
const Placement& startPlacement();

}  // namespace pivo
