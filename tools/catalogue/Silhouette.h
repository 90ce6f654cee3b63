#pragma once

#include "model/CoverageGrid.h"

#include <string>

namespace pivo::tool {

/// The filled cells of a coverage grid, partial ones included, seen as a shape of their own.
class Silhouette {
public:
    /// Keeps a reference: the grid must outlive the silhouette and stay unchanged.
    explicit Silhouette(const CoverageGrid& grid);

    bool empty() const { return x1_ < x0_; }

    /// The silhouette with its position forgotten: two grids have the same key exactly when they
    /// are equal after a shift. Made of the extent of the filled cells and their codes, row by row.
    std::string key() const;

    /// Whether the filled cells form one group in which each cell touches another at a side or a
    /// corner; an empty silhouette counts as one group.
    bool isConnected() const;

private:
    const CoverageGrid& grid_;
    // The extent of the filled cells, inclusive; x1_ < x0_ when there are none.
    int x0_ = BoardWidth;
    int y0_ = BoardHeight;
    int x1_ = -1;
    int y1_ = -1;
};

}  // namespace pivo::tool
