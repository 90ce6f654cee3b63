#pragma once

#include "Catalogue.h"
#include "Progress.h"

#include <array>

namespace pivo {

/// The counts behind the statistics page of one category.
struct CategoryStatistics {
    /// Finished tangrams of the category, solved or dropped.
    int finishedCount = 0;
    /// Of those, how many took 0, 1, ... 7 tips (7: dropped).
    std::array<int, MaxTipLevel + 1> tipsCount{};
    /// Tangrams the category holds.
    int total = 0;
    /// 7 minus the tips of every finished tangram.
    int points = 0;

    int maxPoints() const { return MaxTipLevel * total; }
};

/// Counts the category's finished tangrams; unfinished ones count nowhere, whatever tips they took.
CategoryStatistics countCategory(const Catalogue& catalogue, const Progress& progress, int category);

/// The whole-number percentage a gauge shows: progress * 100 / maximum, 0 for a maximum of 0.
int gaugePercent(int progress, int maximum);

/// One slice of the tip-level bar: columns start .. end - 1.
struct BarSlice {
    int start = 0;
    int end = 0;
};

/// The tip-level bar of `width` pixels: slices 0..7 in order, each as wide as its share of the
/// finished tangrams (halves rounding to even); the dropped slice always ends at `width`. All slices
/// are empty when nothing is finished.
std::array<BarSlice, MaxTipLevel + 1> barSlices(const CategoryStatistics& stats, int width);

}  // namespace pivo
