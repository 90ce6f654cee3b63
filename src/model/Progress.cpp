#include "Progress.h"

#include <algorithm>

namespace pivo {

void Progress::assign(std::span<const std::uint8_t> bytes) {
    table_.fill(0);
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), StatusTableSize), table_.begin());
}

void Progress::resetForNewGame(int tangramCount) {
    std::fill_n(table_.begin(), std::clamp(tangramCount, 0, StatusTableSize), std::uint8_t{0});
    gameName.clear();
    gameModified = false;
}

}  // namespace pivo
