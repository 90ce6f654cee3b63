#pragma once

#include "CoverageGrid.h"

namespace pivo {

/// Whether the laid figure covers the silhouette exactly, wherever on the board it lies: the tans grid
/// is shifted so that its first filled cell meets the silhouette's, then every filled cell must carry
/// the same code there. Silhouette cells the tans leave empty are not examined.
bool matchesSilhouette(const CoverageGrid& tans, const CoverageGrid& silhouette, Point silhouetteFirst);

}  // namespace pivo
