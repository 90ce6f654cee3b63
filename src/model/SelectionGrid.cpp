#include "SelectionGrid.h"

#include <algorithm>

namespace pivo::grid {

int trackMaximum(int categoryCount) { return std::max(1, categoryCount - (Cells - 1)); }

int trackPositionFor(int trackMaximum, int number) { return std::clamp(trackMaximum - number + 1, 1, trackMaximum); }

int firstNumber(int trackMaximum, int trackPosition) { return trackMaximum - trackPosition + 1; }

Slots fillSlots(const Catalogue& catalogue, int category, int first) {
    Slots slots{};
    int cursor = 1;
    for (int s = 0; s < Cells; ++s) {
        for (int i = cursor; i <= catalogue.tangramCount(); ++i) {
            const CatalogueEntry& entry = catalogue.entry(i);
            if (entry.category == category && entry.number == first + s) {
                slots[s] = i;
                cursor = i + 1;
                break;
            }
        }
    }
    return slots;
}

std::optional<int> cellAt(int x, int y) {
    if (x < 0 || y < 0) return std::nullopt;
    const int column = x / ColumnPitch;
    const int row = y / RowPitch;
    if (column >= Columns || row >= Rows) return std::nullopt;
    return row * Columns + column;
}

std::optional<int> faceIndex(TangramStatus status) {
    if ((status.value & 0x0F) == 0) return std::nullopt;
    return MaxTipLevel - status.tipLevel();
}

}  // namespace pivo::grid
