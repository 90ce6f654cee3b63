#pragma once

#include "model/Tans.h"

#include <cstdint>
#include <vector>

namespace pivo::tool {

/// Figures for tests and benchmarks: every one passes the fit test in the order its tans were laid
/// (a random order), its tans touch, it is centred, and no two share a silhouette. The same seed
/// gives the same figures.
std::vector<Placement> randomFigures(int count, std::uint32_t seed);

/// A data file image of the figures, in equal runs of categories 0..7.
std::vector<std::uint8_t> catalogueImage(const std::vector<Placement>& figures);

}  // namespace pivo::tool
