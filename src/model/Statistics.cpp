#include "Statistics.h"

#include "Board.h"

namespace pivo {

CategoryStatistics countCategory(const Catalogue& catalogue, const Progress& progress, int category) {
    CategoryStatistics stats;
    for (int i = 1; i <= catalogue.tangramCount(); ++i) {
        const TangramStatus status = progress.status(i);
        if (catalogue.entry(i).category != category || !status.finished()) continue;
        ++stats.finishedCount;
        ++stats.tipsCount[status.tipLevel()];
        stats.points += status.points();
    }
    if (category >= 0 && category < CategoryTotal) stats.total = catalogue.categoryCount(category);
    return stats;
}

int gaugePercent(int progress, int maximum) {
    if (maximum <= 0) return 0;
    return static_cast<int>(static_cast<long long>(progress) * 100 / maximum);
}

std::array<BarSlice, MaxTipLevel + 1> barSlices(const CategoryStatistics& stats, int width) {
    std::array<BarSlice, MaxTipLevel + 1> slices{};
    if (stats.finishedCount == 0) return slices;
    const double scale = static_cast<double>(width) / stats.finishedCount;
    int end = 0;
    for (int k = 0; k <= MaxTipLevel; ++k) {
        slices[k].start = end;
        end = k == MaxTipLevel ? width : end + roundHalfEven(stats.tipsCount[k] * scale);
        slices[k].end = end;
    }
    return slices;
}

}  // namespace pivo
