#pragma once

#include <cstdint>
#include <span>

namespace pivo {

/// Code of a cell wholly covered; partial cells carry 1..63, complementary parts summing to 64.
inline constexpr int FullCell = 64;

/// One nonzero cell of a tile raster, relative to the tile anchor.
struct RasterCell {
    std::int8_t cx = 0;
    std::int8_t cy = 0;
    std::uint8_t code = 0;
};

/// Cell code of tile type t (0..15) at (cx, cy) relative to its anchor; 0 outside the tile box.
int rasterCode(int tileType, int cx, int cy);

/// The nonzero cells of a tile raster, row by row; what the grid operations iterate over.
std::span<const RasterCell> rasterCells(int tileType);

/// Whether a cell already holding `existing` accepts a tile contributing `incoming` there.
bool isFitPair(int existing, int incoming);

/// Number of ordered pairs in the fit pair table.
int fitPairCount();

}  // namespace pivo
