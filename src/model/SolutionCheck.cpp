#include "SolutionCheck.h"

namespace pivo {

bool matchesSilhouette(const CoverageGrid& tans, const CoverageGrid& silhouette, Point silhouetteFirst) {
    const auto first = tans.firstFilledCell();
    if (!first) return false;
    const int ox = silhouetteFirst.x - first->x;
    const int oy = silhouetteFirst.y - first->y;
    for (int x = 0; x < BoardWidth; ++x) {
        for (int y = 0; y < BoardHeight; ++y) {
            const std::uint8_t code = tans.at(x, y);
            if (code == 0) continue;
            const int tx = x + ox;
            const int ty = y + oy;
            if (tx < 0 || tx > MaxX || ty < 0 || ty > MaxY) return false;
            if (silhouette.at(tx, ty) != code) return false;
        }
    }
    return true;
}

}  // namespace pivo
