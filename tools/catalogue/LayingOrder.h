#pragma once

#include "model/CoverageGrid.h"

namespace pivo::tool {

/// Whether the seven tans can be put down one after another, in some order, each passing the grid
/// fit test against those already down. The fit pair table accepts some shared cells only in one
/// order, so a figure is overlap-free when any order works. On success `grid` holds the figure's
/// silhouette; otherwise it is left empty. The placement must be placeable.
bool layableInSomeOrder(const Placement& placement, CoverageGrid& grid);

}  // namespace pivo::tool
