#include "RandomFigures.h"

#include "model/Catalogue.h"
#include "model/CoverageGrid.h"
#include "Silhouette.h"
#include "model/TileRasters.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <random>
#include <unordered_set>

namespace pivo::tool {
namespace {

constexpr int AttemptsPerTan = 400;
constexpr int Reach = 16;

/// Whether a tan at `at` would share a side or a corner with a filled cell of the grid.
bool touchesFigure(const CoverageGrid& grid, int tan, TanPlacement at) {
    for (const Tile& tile : tileOffsets(shapeOf(tan), at.orientation))
        for (const RasterCell& cell : rasterCells(tile.type)) {
            const int x = at.x + tile.dx + cell.cx;
            const int y = at.y + tile.dy + cell.cy;
            for (int ny = std::max(0, y - 1); ny <= std::min(MaxY, y + 1); ++ny)
                for (int nx = std::max(0, x - 1); nx <= std::min(MaxX, x + 1); ++nx)
                    if (grid.at(nx, ny) != 0) return true;
        }
    return false;
}

std::optional<Placement> tryFigure(std::mt19937& random) {
    std::array<int, TanCount> order{};
    std::iota(order.begin(), order.end(), 1);
    std::shuffle(order.begin(), order.end(), random);
    std::uniform_int_distribution<int> orientation(0, MaxOrientation);
    std::uniform_int_distribution<int> offset(-Reach, Reach);
    CoverageGrid grid;
    Placement placement{};
    std::vector<int> laid;
    for (const int tan : order) {
        bool placed = false;
        for (int attempt = 0; attempt < AttemptsPerTan && !placed; ++attempt) {
            TanPlacement at{60, 40, static_cast<std::uint8_t>(orientation(random))};
            if (!laid.empty()) {
                const TanPlacement& near = placement[laid[random() % laid.size()] - 1];
                at.x = static_cast<std::uint8_t>(std::clamp(near.x + offset(random), 0, MaxX));
                at.y = static_cast<std::uint8_t>(std::clamp(near.y + offset(random), 0, MaxY));
            }
            if (!grid.fits(tan, at) || (!laid.empty() && !touchesFigure(grid, tan, at))) continue;
            grid.addTan(tan, at);
            placement[tan - 1] = at;
            laid.push_back(tan);
            placed = true;
        }
        if (!placed) return std::nullopt;
    }
    const Placement centred = centredPlacement(placement);
    if (!isPlaceable(centred)) return std::nullopt;
    return centred;
}

}  // namespace

std::vector<Placement> randomFigures(int count, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<Placement> figures;
    std::unordered_set<std::string> silhouettes;
    CoverageGrid grid;
    while (static_cast<int>(figures.size()) < count) {
        const auto figure = tryFigure(random);
        if (!figure) continue;
        grid.clear();
        grid.addPlacement(*figure);
        if (silhouettes.insert(Silhouette(grid).key()).second) figures.push_back(*figure);
    }
    return figures;
}

std::vector<std::uint8_t> catalogueImage(const std::vector<Placement>& figures) {
    std::vector<std::uint8_t> bytes;
    const std::size_t n = figures.size();
    for (std::size_t i = 0; i < n; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(i * CategoryTotal / n));
        for (const TanPlacement& at : figures[i]) bytes.insert(bytes.end(), {at.x, at.y, at.orientation});
    }
    return bytes;
}

}  // namespace pivo::tool
