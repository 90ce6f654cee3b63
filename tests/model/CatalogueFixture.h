#pragma once

#include "model/Catalogue.h"
#include "model/Tans.h"

#include <cstdint>
#include <vector>

// A catalogue whose entries have the given categories, in order, all with the start placement.
inline void fillCatalogue(pivo::Catalogue& catalogue, const std::vector<int>& categories) {
    std::vector<std::uint8_t> bytes;
    for (int category : categories) {
        bytes.push_back(static_cast<std::uint8_t>(category));
        for (const pivo::TanPlacement& tan : pivo::startPlacement())
            bytes.insert(bytes.end(), {tan.x, tan.y, tan.orientation});
    }
    catalogue.loadRecords(bytes);
}

inline pivo::Catalogue catalogueOf(const std::vector<int>& categories) {
    pivo::Catalogue catalogue;
    fillCatalogue(catalogue, categories);
    return catalogue;
}

// Twenty entries; category 1 holds entries 4, 9 and 17, category 0 all others.
inline pivo::Catalogue twentyEntries() {
    std::vector<int> categories(20, 0);
    categories[3] = categories[8] = categories[16] = 1;
    return catalogueOf(categories);
}
