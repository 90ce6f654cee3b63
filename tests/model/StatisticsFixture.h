#pragma once

#include "model/Statistics.h"

#include <array>

// The statistics of a category of `total` tangrams of which tips[k] were finished after k tips.
inline pivo::CategoryStatistics withTips(std::array<int, 8> tips, int total) {
    pivo::CategoryStatistics s;
    s.tipsCount = tips;
    s.total = total;
    for (int k = 0; k < 8; ++k) {
        s.finishedCount += tips[k];
        s.points += tips[k] * (7 - k);
    }
    return s;
}
