#include "CatalogueFixture.h"
#include "model/Navigation.h"

#include <gtest/gtest.h>

#include <vector>

namespace pivo {
namespace {

// Next and previous wrap around within the category.
TEST(Navigation, NextAndPreviousWrapWithinTheCategory) {
    const Catalogue catalogue = twentyEntries();
    EXPECT_EQ(nextInCategory(catalogue, 17, 1), 4);
    EXPECT_EQ(previousInCategory(catalogue, 17, 1), 9);
    EXPECT_EQ(previousInCategory(catalogue, 4, 1), 17);
    EXPECT_EQ(nextInCategory(catalogue, 4, 1), 9);
    const Catalogue single = catalogueOf({0, 1, 0});
    EXPECT_EQ(nextInCategory(single, 2, 1), 2) << "a category with one tangram stays on it";
}

// The unfinished search skips finished tangrams and never counts the starting one as found.
TEST(Navigation, NextUnfinished) {
    const Catalogue catalogue = twentyEntries();
    Progress progress;
    progress.setStatus(4, 8);
    EXPECT_EQ(nextUnfinished(catalogue, progress, 9, 1), 17);
    EXPECT_EQ(previousUnfinished(catalogue, progress, 9, 1), 17);
    progress.setStatus(17, 15);  // given up counts as finished
    EXPECT_EQ(nextUnfinished(catalogue, progress, 9, 1), std::nullopt);
    EXPECT_EQ(previousUnfinished(catalogue, progress, 9, 1), std::nullopt);
    progress.setStatus(4, 3);  // tips taken but not finished
    EXPECT_EQ(previousUnfinished(catalogue, progress, 9, 1), 4);
}

// No search runs without bound, even for a category without entries or an empty catalogue.
TEST(Navigation, SearchesEndOnEmptyCategories) {
    const Catalogue catalogue = catalogueOf({0, 0, 2});
    Progress progress;
    EXPECT_EQ(nextInCategory(catalogue, 1, 5), 1);
    EXPECT_EQ(previousInCategory(catalogue, 1, 5), 1);
    EXPECT_EQ(nextUnfinished(catalogue, progress, 1, 5), std::nullopt);
    const Catalogue empty;
    EXPECT_EQ(nextInCategory(empty, 1, 0), 1);
    EXPECT_EQ(nextUnfinished(empty, progress, 1, 0), std::nullopt);
    EXPECT_EQ(catalogue.emptyCategories(), (std::vector<int>{1, 3, 4, 5, 6, 7}));
}

// The category button: left steps on, right steps back, other buttons keep the category.
TEST(Navigation, CategorySteps) {
    EXPECT_EQ(categoryStepFor(MouseButton::Left), CategoryStep::Next);
    EXPECT_EQ(categoryStepFor(MouseButton::Right), CategoryStep::Previous);
    EXPECT_EQ(categoryStepFor(MouseButton::Middle), CategoryStep::Keep);
    EXPECT_EQ(steppedCategory(7, CategoryStep::Next), 0);
    EXPECT_EQ(steppedCategory(0, CategoryStep::Previous), 7);
    EXPECT_EQ(steppedCategory(3, CategoryStep::Keep), 3);
}

// Stored positions are clamped, and the category follows a tangram that left it.
TEST(Navigation, ReconcileStoredPosition) {
    const Catalogue catalogue = twentyEntries();
    int category = 9, tangram = 5000;
    reconcilePosition(catalogue, category, tangram);
    EXPECT_EQ(tangram, 20);
    EXPECT_EQ(category, 0);
    category = -1, tangram = -3;
    reconcilePosition(catalogue, category, tangram);
    EXPECT_EQ(tangram, 1);
    EXPECT_EQ(category, 0);
    category = 0, tangram = 9;
    reconcilePosition(catalogue, category, tangram);
    EXPECT_EQ(category, 1) << "the category follows the tangram";
    EXPECT_EQ(tangram, 9);

    std::vector<std::uint8_t> bytes = catalogue.records(false);
    bytes[0] = 200;  // entry 1 can no longer be used
    Catalogue damaged;
    damaged.loadRecords(bytes);
    category = 1, tangram = 1;
    reconcilePosition(damaged, category, tangram);
    EXPECT_EQ(tangram, 4) << "an unusable entry sends the tangram to the category's first";
    EXPECT_EQ(category, 1);
}

}  // namespace
}  // namespace pivo
