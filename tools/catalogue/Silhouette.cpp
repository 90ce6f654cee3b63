#include "Silhouette.h"

#include <algorithm>
#include <vector>

namespace pivo::tool {

Silhouette::Silhouette(const CoverageGrid& grid) : grid_(grid) {
    // Whole columns first: the check runs this for every figure of the catalogue, and most of the
    // board is empty.
    for (int x = 0; x < BoardWidth; ++x) {
        unsigned any = 0;
        for (int y = 0; y < BoardHeight; ++y) any |= grid.at(x, y);
        if (any == 0) continue;
        x0_ = std::min(x0_, x);
        x1_ = x;
        int top = 0;
        while (grid.at(x, top) == 0) ++top;
        int bottom = MaxY;
        while (grid.at(x, bottom) == 0) --bottom;
        y0_ = std::min(y0_, top);
        y1_ = std::max(y1_, bottom);
    }
}

std::string Silhouette::key() const {
    if (empty()) return {};
    std::string key;
    key.reserve(2 + static_cast<std::size_t>(x1_ - x0_ + 1) * (y1_ - y0_ + 1));
    key += static_cast<char>(x1_ - x0_);
    key += static_cast<char>(y1_ - y0_);
    for (int x = x0_; x <= x1_; ++x)
        for (int y = y0_; y <= y1_; ++y) key += static_cast<char>(grid_.at(x, y));
    return key;
}

bool Silhouette::isConnected() const {
    if (empty()) return true;
    // A copy of the extent with a blank border, so that neighbours need no bounds checks; a cell
    // is cleared once reached.
    const int stride = y1_ - y0_ + 3;
    std::vector<char> open(static_cast<std::size_t>(x1_ - x0_ + 3) * stride, 0);
    int total = 0;
    int start = -1;
    for (int x = x0_; x <= x1_; ++x)
        for (int y = y0_; y <= y1_; ++y)
            if (grid_.at(x, y) != 0) {
                const int cell = (x - x0_ + 1) * stride + (y - y0_ + 1);
                open[cell] = 1;
                ++total;
                if (start < 0) start = cell;
            }
    const int neighbours[] = {-stride - 1, -stride, -stride + 1, -1, 1, stride - 1, stride, stride + 1};
    std::vector<int> pending{start};
    open[start] = 0;
    int reached = 0;
    while (!pending.empty()) {
        const int cell = pending.back();
        pending.pop_back();
        ++reached;
        for (const int step : neighbours)
            if (open[cell + step]) {
                open[cell + step] = 0;
                pending.push_back(cell + step);
            }
    }
    return reached == total;
}

}  // namespace pivo::tool
