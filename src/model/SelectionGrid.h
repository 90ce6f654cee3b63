#pragma once

#include "Catalogue.h"
#include "Progress.h"

#include <array>
#include <optional>

namespace pivo {

/// The selection dialog's 3 x 3 grid of thumbnails over one category, and its scroll track.
///
/// The track's value runs against the numbers within the category: its maximum shows numbers 1..9,
/// its minimum 1 the last nine. A category of nine or fewer tangrams has the single value 1 and
/// shows from number 1.
namespace grid {

inline constexpr int Columns = 3;
inline constexpr int Rows = 3;
inline constexpr int Cells = Columns * Rows;
/// Distance between the cells' left and top edges; a cell is 120 x 95 and the gap belongs to it.
inline constexpr int ColumnPitch = 125;
inline constexpr int RowPitch = 100;
inline constexpr int CellWidth = 120;
inline constexpr int CellHeight = 95;
/// The band above the silhouette that holds the number and the face.
inline constexpr int BandHeight = 15;
/// Slot of a cell that shows no tangram.
inline constexpr int NoTangram = 0;

/// Catalogue indices shown in the cells, cell s in column s % 3 and row s / 3.
using Slots = std::array<int, Cells>;

int trackMaximum(int categoryCount);
/// The track value that puts `number` in the top-left cell, or as near as the track allows.
int trackPositionFor(int trackMaximum, int number);
/// The number within the category shown in the top-left cell.
int firstNumber(int trackMaximum, int trackPosition);

/// The tangrams of numbers first .. first + 8 of the category, in one forward pass over the catalogue.
/// A number the pass cannot find (the editor may have left gaps or moved numbers out of catalogue
/// order) leaves its cell empty and the pass goes on from where it stood, so the later numbers still
/// show; no cell ever holds a tangram of another category.
Slots fillSlots(const Catalogue& catalogue, int category, int first);

/// The cell under a point of the grid, or none for a point left of, above or beyond the three columns
/// and rows.
std::optional<int> cellAt(int x, int y);

/// The face of the strip a cell shows for a progress byte: 7 (happy) for no tips down to 0 (given
/// up); none for a tangram never touched.
std::optional<int> faceIndex(TangramStatus status);

}  // namespace grid
}  // namespace pivo
