#include "CatalogueFixture.h"
#include "model/SelectionGrid.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pivo;

namespace {

// Category 1 holds 40 tangrams with a tangram of category 2 after every fourth; category 0 holds two.
std::vector<int> interleaved() {
    std::vector<int> categories{0, 0};
    for (int n = 1; n <= 40; ++n) {
        categories.push_back(1);
        if (n % 4 == 0) categories.push_back(2);
    }
    return categories;
}

// The catalogue index of number `number` of a category.
int indexOf(const Catalogue& catalogue, int category, int number) {
    for (int i = 1; i <= catalogue.tangramCount(); ++i)
        if (catalogue.entry(i).category == category && catalogue.entry(i).number == number) return i;
    return 0;
}

}  // namespace

// After the editor, a missing number leaves its cell empty and the later numbers still show; a number
// moved before the cursor is not found; no cell ever holds another category's tangram.
TEST(SelectionGrid, EditorGapsLeaveCellsEmpty) {
    Catalogue catalogue = catalogueOf(interleaved());
    const int seventh = indexOf(catalogue, 1, 7);
    ASSERT_TRUE(catalogue.deletePattern(seventh));
    grid::Slots slots = grid::fillSlots(catalogue, 1, 5);
    EXPECT_EQ(slots[0], indexOf(catalogue, 1, 5));
    EXPECT_EQ(slots[1], indexOf(catalogue, 1, 6));
    EXPECT_EQ(slots[2], grid::NoTangram);
    EXPECT_EQ(slots[3], indexOf(catalogue, 1, 8));
    EXPECT_EQ(slots[8], indexOf(catalogue, 1, 13));

    // A new figure of category 1 at the front takes number 41 there, behind the cursor's path.
    catalogue = catalogueOf(interleaved());
    ASSERT_TRUE(catalogue.insertPattern(1, 1, startPlacement()));
    ASSERT_EQ(catalogue.entry(1).number, 41);
    slots = grid::fillSlots(catalogue, 1, 33);
    EXPECT_EQ(slots[7], indexOf(catalogue, 1, 40));
    EXPECT_EQ(slots[8], grid::NoTangram);
    for (int slot : slots)
        EXPECT_TRUE(slot == grid::NoTangram || catalogue.entry(slot).category == 1) << slot;
}

// The cells' pitch decides the click: the gap right of or below a cell belongs to it; the grid's
// pixel row 300 and anything left of or above it is outside.
TEST(SelectionGrid, CellUnderAPoint) {
    EXPECT_EQ(grid::cellAt(0, 0), 0);
    EXPECT_EQ(grid::cellAt(122, 50), 0);
    EXPECT_EQ(grid::cellAt(124, 99), 0);
    EXPECT_EQ(grid::cellAt(125, 0), 1);
    EXPECT_EQ(grid::cellAt(130, 105), 4);
    EXPECT_EQ(grid::cellAt(368, 299), 8);
    EXPECT_EQ(grid::cellAt(10, 300), std::nullopt);
    EXPECT_EQ(grid::cellAt(375, 10), std::nullopt);
    EXPECT_EQ(grid::cellAt(-1, 10), std::nullopt);
    EXPECT_EQ(grid::cellAt(10, -1), std::nullopt);
}
