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
