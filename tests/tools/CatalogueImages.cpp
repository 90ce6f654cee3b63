#include "CatalogueImages.h"

#include "model/Catalogue.h"
#include "catalogue/RandomFigures.h"

namespace pivo::tool::testing {

std::vector<std::uint8_t> imageOf(const std::vector<Record>& records) {
    std::vector<std::uint8_t> bytes;
    for (const Record& r : records) {
        bytes.push_back(static_cast<std::uint8_t>(r.category));
        for (const TanPlacement& at : r.placement) bytes.insert(bytes.end(), {at.x, at.y, at.orientation});
    }
    return bytes;
}

std::vector<Record> validCatalogue() {
    const std::vector<Placement> figures = randomFigures(CategoryTotal * 10, 42);
    std::vector<Record> records;
    for (std::size_t i = 0; i < figures.size(); ++i) records.push_back({static_cast<int>(i / 10), figures[i]});
    return records;
}

Placement squareFigure() {
    Placement p{};
    p[3] = {60, 40, 0};   // large, lower right half
    p[4] = {52, 32, 8};   // large, upper left half
    p[5] = {71, 31, 0};   // square x 66..76, y 26..36
    p[0] = {73, 43, 0};   // small x 66..76, y 36..46, right angle at (76, 46)
    p[1] = {79, 29, 8};   // small x 76..86, y 26..36, right angle at (76, 26)
    p[2] = {37, 31, 8};   // medium x 32..46, y 26..40, touching the square's corner (46, 26)
    p[6] = {56, 21, 0};   // parallelogram x 46..66, y 16..26, on top of the square
    return p;
}

Placement shifted(Placement placement, int dx, int dy) {
    for (TanPlacement& at : placement) {
        at.x = static_cast<std::uint8_t>(at.x + dx);
        at.y = static_cast<std::uint8_t>(at.y + dy);
    }
    return placement;
}

}  // namespace pivo::tool::testing
