// The pattern editor: where an added figure goes, where the current tangram stands after a delete,
// the refusals, and the data file after every command.

#include "model/PatternEditor.h"

#include "model/Navigation.h"
#include "TempFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <vector>

namespace fs = std::filesystem;
using namespace pivo;

namespace {

using scratch::Bytes;

// The classic square, laid from (46, 26) to (74, 54).
constexpr Placement Square{{{72, 33, 6}, {60, 45, 10}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2},
                            {56, 50, 22}}};

Placement moved(int dx, int dy) {
    Placement placement = Square;
    for (TanPlacement& at : placement) {
        at.x = static_cast<std::uint8_t>(at.x + dx);
        at.y = static_cast<std::uint8_t>(at.y + dy);
    }
    return placement;
}

// One record per category in the list; record k lies k units right of the square, so each differs.
Bytes catalogueOf(const std::vector<int>& categories) {
    Bytes bytes;
    for (std::size_t k = 0; k < categories.size(); ++k) {
        bytes.push_back(static_cast<std::uint8_t>(categories[k]));
        for (const TanPlacement& at : moved(static_cast<int>(k % 30) - 15, 0))
            bytes.insert(bytes.end(), {at.x, at.y, at.orientation});
    }
    return bytes;
}

class PatternEditor : public ::testing::Test {
protected:
    // The catalogue as the game has it after loading `bytes` from its data file.
    void start(const Bytes& bytes) {
        scratch::writeBytes(dataFile, bytes);
        ASSERT_TRUE(catalogue->load(dataFile));
    }
    Bytes onDisk() const { return scratch::readBytes(dataFile); }

    scratch::TempFolder folder;
    std::string dataFile = (folder.path() / "pivo.dat").string();
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
};

// Adding at entry 5 of category 2: the new figure becomes entry 5, the former entry 5 becomes 6, the
// counts grow, and the file gets one record more, holding the figure as laid.
TEST_F(PatternEditor, AddPutsTheFigureInPlaceOfTheCurrentEntry) {
    start(catalogueOf({0, 1, 2, 2, 2, 2, 3, 4, 5, 6, 7}));
    const CatalogueEntry former5 = catalogue->entry(5);
    const Placement figure = moved(-20, 10);

    EXPECT_EQ(addPattern(*catalogue, dataFile, 5, 2, figure), EditOutcome::Written);

    EXPECT_EQ(catalogue->tangramCount(), 12);
    EXPECT_EQ(catalogue->categoryCount(2), 5);
    EXPECT_EQ(catalogue->entry(5).category, 2);
    EXPECT_EQ(catalogue->entry(5).placement, figure);
    EXPECT_EQ(catalogue->entry(6).placement, former5.placement);
    EXPECT_EQ(catalogue->entry(6).number, former5.number);
    const Bytes file = onDisk();
    ASSERT_EQ(file.size(), 12u * RecordSize);
    EXPECT_EQ(file, catalogue->records(false));
    EXPECT_EQ(file[4 * RecordSize], 2);
    for (int t = 0; t < TanCount; ++t) {
        EXPECT_EQ(file[4 * RecordSize + 1 + 3 * t], figure[t].x);
        EXPECT_EQ(file[4 * RecordSize + 2 + 3 * t], figure[t].y);
        EXPECT_EQ(file[4 * RecordSize + 3 + 3 * t], figure[t].orientation);
    }
}

// A full catalogue takes no 3001st figure: the add is refused and neither memory nor file change.
TEST_F(PatternEditor, AddIsRefusedWhenTheCatalogueIsFull) {
    std::vector<int> categories(MaxTangrams);
    for (int i = 0; i < MaxTangrams; ++i) categories[i] = i % CategoryTotal;
    const Bytes full = catalogueOf(categories);
    start(full);

    EXPECT_EQ(addPattern(*catalogue, dataFile, 9, 0, moved(3, 3)), EditOutcome::CatalogueFull);

    EXPECT_EQ(catalogue->tangramCount(), MaxTangrams);
    EXPECT_EQ(catalogue->categoryCount(0), MaxTangrams / CategoryTotal);
    EXPECT_EQ(catalogue->records(false), full);
    EXPECT_EQ(onDisk(), full);
}

// After a delete the current tangram designates the entry of its category that followed the deleted
// one; when another category's entry or nothing followed, the nearest one of the category.
TEST_F(PatternEditor, DeleteLeavesTheCurrentTangramInItsCategory) {
    start(catalogueOf({0, 1, 0, 2, 2, 3, 4, 5, 6, 7, 7}));
    const Placement former5 = catalogue->entry(5).placement;
    int tangram = 4;
    EXPECT_EQ(deleteCurrentPattern(*catalogue, dataFile, tangram, 2), EditOutcome::Written);
    EXPECT_EQ(tangram, 4) << "the follower was of the same category";
    EXPECT_EQ(catalogue->entry(4).placement, former5);

    const Placement former3 = catalogue->entry(3).placement;
    tangram = 1;
    EXPECT_EQ(deleteCurrentPattern(*catalogue, dataFile, tangram, 0), EditOutcome::Written);
    EXPECT_EQ(tangram, 2) << "the follower was an Animal, the next Human stood two places on";
    EXPECT_EQ(catalogue->entry(2).placement, former3);

    // Categories are now 1, 0, 2, 3, 4, 5, 6, 7, 7: the last entry has no follower.
    const Placement former8 = catalogue->entry(8).placement;
    tangram = 9;
    EXPECT_EQ(deleteCurrentPattern(*catalogue, dataFile, tangram, 7), EditOutcome::Written);
    EXPECT_EQ(tangram, 8);
    EXPECT_EQ(catalogue->entry(8).placement, former8);
    EXPECT_EQ(catalogue->tangramCount(), 8);
    EXPECT_EQ(onDisk(), catalogue->records(false));
}

// The only entry of a category stays: deleting it would leave a category the game cannot navigate.
TEST_F(PatternEditor, DeleteIsRefusedForTheOnlyEntryOfACategory) {
    const Bytes bytes = catalogueOf({0, 1, 2, 0, 3, 4, 5, 6, 7});
    start(bytes);
    int tangram = 3;
    EXPECT_EQ(deleteCurrentPattern(*catalogue, dataFile, tangram, 2), EditOutcome::OnlyOfCategory);
    EXPECT_EQ(tangram, 3);
    EXPECT_EQ(catalogue->tangramCount(), 9);
    EXPECT_EQ(catalogue->categoryCount(2), 1);
    EXPECT_EQ(catalogue->records(false), bytes);
    EXPECT_EQ(onDisk(), bytes);
}

// Save writes every figure centred, the catalogue in memory keeps the coordinates it had, and the
// next load reads the centred figures.
TEST_F(PatternEditor, SaveWritesCentredFiguresAndKeepsTheCatalogue) {
    start(catalogueOf({0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(saveCentred(*catalogue, dataFile), EditOutcome::Written);

    // The square is centred already; record k lies k - 15 units right of it, and goes back there.
    EXPECT_EQ(catalogue->entry(1).placement, moved(-15, 0));
    Catalogue reloaded;
    ASSERT_TRUE(reloaded.load(dataFile));
    ASSERT_EQ(reloaded.tangramCount(), 8);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(reloaded.entry(i).placement, Square) << i;
        EXPECT_EQ(reloaded.entry(i).category, i - 1);
    }
}

// A file that cannot be replaced stays whole and as it was; add and delete still stand in memory,
// and the caller learns of it.
TEST_F(PatternEditor, FailedWritesLeaveTheFileAsItWas) {
    const Bytes bytes = catalogueOf({0, 1, 2, 3, 4, 5, 6, 7, 7});
    start(bytes);
    {
        const scratch::FileSizeLimit driveFull(0);
        EXPECT_EQ(addPattern(*catalogue, dataFile, 2, 1, moved(5, 5)), EditOutcome::NotWritten);
        EXPECT_EQ(catalogue->tangramCount(), 10);
        EXPECT_EQ(catalogue->entry(2).placement, moved(5, 5));
        int tangram = 10;
        EXPECT_EQ(deleteCurrentPattern(*catalogue, dataFile, tangram, 7), EditOutcome::NotWritten);
        EXPECT_EQ(catalogue->tangramCount(), 9);
        EXPECT_EQ(tangram, 9);
        EXPECT_EQ(saveCentred(*catalogue, dataFile), EditOutcome::NotWritten);
    }
    EXPECT_EQ(onDisk(), bytes);

    // Once the file can be written again, the next command writes the whole catalogue.
    EXPECT_EQ(saveCentred(*catalogue, dataFile), EditOutcome::Written);
    Catalogue reloaded;
    ASSERT_TRUE(reloaded.load(dataFile));
    EXPECT_EQ(reloaded.tangramCount(), 9);
    EXPECT_EQ(reloaded.entry(2).category, 1);
}

// A long run of adds, deletes and category changes: the current tangram always designates an entry of
// the current category, no category runs empty, the counts add up, and the file is the catalogue.
TEST_F(PatternEditor, EditSessionsKeepTheNavigationInvariant) {
    // Categories interleaved, so that a delete's follower is often of another category.
    std::vector<int> categories;
    for (int i = 0; i < 3 * CategoryTotal; ++i) categories.push_back(i % CategoryTotal);
    start(catalogueOf(categories));
    std::mt19937 random(20261208);
    int category = 0;
    int tangram = 1;
    int adds = 0, deletes = 0, refusals = 0;
    for (int step = 0; step < 300; ++step) {
        const int action = static_cast<int>(random() % 6);
        if (action == 0) {
            category = static_cast<int>(random() % CategoryTotal);
            tangram = catalogue->firstOfCategory(category);
        } else if (action == 1) {
            tangram = random() % 2 ? nextInCategory(*catalogue, tangram, category)
                                   : previousInCategory(*catalogue, tangram, category);
        } else if (action <= 3) {
            const Placement figure = moved(static_cast<int>(random() % 31) - 15, static_cast<int>(random() % 21) - 10);
            ASSERT_EQ(addPattern(*catalogue, dataFile, tangram, category, figure), EditOutcome::Written);
            ++adds;
        } else {
            const EditOutcome outcome = deleteCurrentPattern(*catalogue, dataFile, tangram, category);
            ASSERT_NE(outcome, EditOutcome::NotWritten);
            ++(outcome == EditOutcome::Written ? deletes : refusals);
        }
        ASSERT_GE(tangram, 1) << "step " << step;
        ASSERT_LE(tangram, catalogue->tangramCount()) << "step " << step;
        ASSERT_EQ(catalogue->entry(tangram).category, category) << "step " << step;
        int total = 0;
        for (int c = 0; c < CategoryTotal; ++c) {
            ASSERT_GE(catalogue->categoryCount(c), 1) << "step " << step;
            total += catalogue->categoryCount(c);
        }
        ASSERT_EQ(total, catalogue->tangramCount());
    }
    EXPECT_EQ(onDisk(), catalogue->records(false));
    // The run must have exercised every path, or it proves little.
    EXPECT_GT(adds, 60);
    EXPECT_GT(deletes, 40);
    EXPECT_GT(refusals, 0);
}

}  // namespace
