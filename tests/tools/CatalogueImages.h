#pragma once

#include "model/Tans.h"

#include <cstdint>
#include <vector>

namespace pivo::tool::testing {

/// A record as the data file stores it.
struct Record {
    int category = 0;
    Placement placement{};
};

std::vector<std::uint8_t> imageOf(const std::vector<Record>& records);

/// Ten valid, distinct, centred figures per category: a catalogue check must accept as it is.
std::vector<Record> validCatalogue();

/// A hand-made figure whose tans touch without overlapping: two large triangles form a 20 x 20
/// square (x 46..66, y 26..46), the other tans lie around it. Not centred.
Placement squareFigure();

/// The placement moved by whole units (wrapping at 256, as the data file would).
Placement shifted(Placement placement, int dx, int dy);

}  // namespace pivo::tool::testing
