// The catalogue: reading the data file, writing it back, records the game cannot use, the editor's changes.

#include "model/Catalogue.h"

#include <gtest/gtest.h>

#include "TempFiles.h"

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <vector>

namespace fs = std::filesystem;
using namespace pivo;
using namespace pivo::scratch;

namespace {

// The classic square, 28 units wide, laid from (46, 26) to (74, 54).
constexpr Placement Square{{{72, 33, 6}, {60, 45, 10}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2},
                            {56, 50, 22}}};

Placement shifted(Placement placement, int dx, int dy) {
    for (TanPlacement& at : placement) {
        at.x = static_cast<std::uint8_t>(at.x + dx);
        at.y = static_cast<std::uint8_t>(at.y + dy);
    }
    return placement;
}

Placement withTan(Placement placement, int tan, TanPlacement at) {
    placement[tan - 1] = at;
    return placement;
}

Bytes record(int category, const Placement& placement) {
    Bytes bytes{static_cast<std::uint8_t>(category)};
    for (const TanPlacement& at : placement) bytes.insert(bytes.end(), {at.x, at.y, at.orientation});
    return bytes;
}

Bytes joined(std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const Bytes& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// `count` squares; record k lies k units further right, so every record differs from its neighbours.
Bytes squares(int count, int category) {
    Bytes bytes;
    for (int k = 0; k < count; ++k) {
        const Bytes one = record(category, shifted(Square, k % 40 - 20, 0));
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

class CatalogueFile : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path dataFile = folder.path() / "pivo.dat";
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
};

class CatalogueEditing : public ::testing::Test {
protected:
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
};

TEST_F(CatalogueFile, NumbersEntriesWithinTheirCategoryInFileOrder) {
    // Categories 2, 0, 2 give counts (1, 0, 2, ...) and numbers 1, 1, 2.
    writeBytes(dataFile, joined({record(2, Square), record(0, Square), record(2, shifted(Square, 1, 1))}));
    ASSERT_TRUE(catalogue->load(dataFile.string()));

    EXPECT_EQ(catalogue->tangramCount(), 3);
    const std::vector<int> expectedCounts{1, 0, 2, 0, 0, 0, 0, 0};
    for (int c = 0; c < CategoryTotal; ++c) EXPECT_EQ(catalogue->categoryCount(c), expectedCounts[c]) << c;
    EXPECT_EQ(catalogue->entry(1).number, 1);
    EXPECT_EQ(catalogue->entry(2).number, 1);
    EXPECT_EQ(catalogue->entry(3).number, 2);
    EXPECT_EQ(catalogue->entry(3).category, 2);
    EXPECT_EQ(catalogue->entry(3).placement, shifted(Square, 1, 1));
    EXPECT_EQ(catalogue->firstOfCategory(2), 1);
    EXPECT_EQ(catalogue->firstOfCategory(0), 2);
    EXPECT_EQ(catalogue->firstOfCategory(1), 0);
    EXPECT_EQ(catalogue->emptyCategories(), (std::vector<int>{1, 3, 4, 5, 6, 7}));
}

TEST_F(CatalogueFile, TakesAtMost3000Records) {
    // A file of 3000 records loads whole; a 3001st record becomes no entry.
    const Bytes full = squares(MaxTangrams, 4);
    writeBytes(dataFile, full);
    ASSERT_TRUE(catalogue->load(dataFile.string()));
    EXPECT_EQ(catalogue->tangramCount(), MaxTangrams);
    EXPECT_EQ(catalogue->categoryCount(4), MaxTangrams);
    EXPECT_EQ(catalogue->entry(MaxTangrams).number, MaxTangrams);

    writeBytes(dataFile, joined({full, record(6, Square)}));
    ASSERT_TRUE(catalogue->load(dataFile.string()));
    EXPECT_EQ(catalogue->tangramCount(), MaxTangrams);
    EXPECT_EQ(catalogue->categoryCount(4), MaxTangrams);
    EXPECT_EQ(catalogue->categoryCount(6), 0);
}

TEST_F(CatalogueFile, WhatTheGameDoesNotReadIsWrittenBackAfterTheEntries) {
    // Records past the 3000th and a partial record at the end survive an edit, behind the entries; a
    // file too large to be held whole is never replaced, since writing it would drop its end.
    const Bytes unread = joined({record(6, Square), record(200, Square), Bytes{1, 2, 3, 4, 5}});
    Bytes entries = squares(MaxTangrams, 4);
    writeBytes(dataFile, joined({entries, unread}));
    ASSERT_TRUE(catalogue->load(dataFile.string()));
    ASSERT_TRUE(catalogue->deletePattern(1));
    ASSERT_TRUE(catalogue->write(dataFile.string(), false));
    entries.erase(entries.begin(), entries.begin() + RecordSize);
    EXPECT_EQ(readBytes(dataFile), joined({entries, unread}));

    const Bytes tooLarge = joined({squares(MaxTangrams, 4), Bytes(MaxDataFileSize + 1 - MaxTangrams * RecordSize, 9)});
    writeBytes(dataFile, tooLarge);
    ASSERT_TRUE(catalogue->load(dataFile.string()));
    EXPECT_EQ(catalogue->tangramCount(), MaxTangrams);
    EXPECT_FALSE(catalogue->write(dataFile.string(), false));
    EXPECT_EQ(readBytes(dataFile), tooLarge);
}

TEST_F(CatalogueFile, WriteWithoutEditsGivesTheFileBackByteForByte) {
    // Load then write reproduces the file, the records the game cannot use included.
    for (const Bytes& file : {squares(MaxTangrams, 7),
                              joined({record(3, Square), record(200, Square), record(5, withTan(Square, 2, {9, 9, 99})),
                                      record(1, shifted(Square, -40, 0))})}) {
        writeBytes(dataFile, file);
        ASSERT_TRUE(catalogue->load(dataFile.string()));
        ASSERT_TRUE(catalogue->write(dataFile.string(), false));
        EXPECT_EQ(readBytes(dataFile), file);
        EXPECT_EQ(listing(folder.path()), std::vector<fs::path>{"pivo.dat"});
    }
}

TEST_F(CatalogueFile, CentredWriteMovesTheFigureToTheMiddleAndKeepsTheCatalogue) {
    // A figure spanning (30, 20)-(70, 50) is written moved by (+10, +5); memory keeps the old coordinates.
    // The square spans (30, 20)-(58, 48); the square tan moved to (65, 45) reaches (70, 50).
    const Placement figure = withTan(shifted(Square, -16, -6), 6, {65, 45, 0});
    const Placement unusable = withTan(Square, 1, {250, 3, 6});
    writeBytes(dataFile, joined({record(0, figure), record(1, unusable)}));
    ASSERT_TRUE(catalogue->load(dataFile.string()));

    ASSERT_TRUE(catalogue->write(dataFile.string(), true));

    EXPECT_EQ(readBytes(dataFile), joined({record(0, shifted(figure, 10, 5)), record(1, unusable)}));
    EXPECT_EQ(catalogue->entry(1).placement, figure);
    EXPECT_EQ(centredPlacement(shifted(figure, 10, 5)), shifted(figure, 10, 5));
}

TEST_F(CatalogueFile, RecordsOutsideTheDataModelKeepTheirPlaceButJoinNoCategory) {
    // Category above 7, orientation above 31 or a tile off the board: the entry stays at its position
    // (progress bytes belong to positions) with no category and number 0, and is written back unchanged.
    const std::vector<Bytes> records{
        record(1, Square),
        record(8, Square),
        record(255, Square),
        record(1, withTan(Square, 7, {56, 50, 32})),
        record(1, withTan(Square, 1, {72, 33, 255})),
        record(1, withTan(Square, 1, {120, 71, 6})),  // tan 1 reaches column 121
        record(1, withTan(Square, 4, {0, 40, 2})),    // a large triangle left of column 0
        record(1, withTan(Square, 3, {69, 255, 0})),
        record(1, Square),
    };
    Bytes file;
    for (const Bytes& r : records) file.insert(file.end(), r.begin(), r.end());
    writeBytes(dataFile, file);
    ASSERT_TRUE(catalogue->load(dataFile.string()));

    ASSERT_EQ(catalogue->tangramCount(), 9);
    for (int i = 2; i <= 8; ++i) {
        EXPECT_EQ(catalogue->entry(i).category, NoCategory) << i;
        EXPECT_EQ(catalogue->entry(i).number, 0) << i;
        EXPECT_FALSE(catalogue->isPlayable(i)) << i;
    }
    EXPECT_EQ(catalogue->entry(4).placement[6].orientation, 32);
    EXPECT_TRUE(catalogue->isPlayable(1));
    EXPECT_TRUE(catalogue->isPlayable(9));
    EXPECT_EQ(catalogue->entry(9).number, 2);
    EXPECT_EQ(catalogue->categoryCount(1), 2);
    EXPECT_EQ(catalogue->emptyCategories(), (std::vector<int>{0, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(catalogue->records(true), file);
}

TEST_F(CatalogueFile, TrailingPartialRecordIsNoEntry) {
    // Bytes after the last whole record are no entry.
    writeBytes(dataFile, joined({record(2, Square), record(3, Square), Bytes(RecordSize - 1, 2)}));
    ASSERT_TRUE(catalogue->load(dataFile.string()));
    EXPECT_EQ(catalogue->tangramCount(), 2);

    catalogue->loadRecords(Bytes(RecordSize - 1, 2));
    EXPECT_EQ(catalogue->tangramCount(), 0);
}

TEST_F(CatalogueFile, EmptyFileGivesAnEmptyCatalogueWithEveryCategoryEmpty) {
    // An empty data file opens fine; every category reports itself empty, so the game can refuse it.
    writeBytes(dataFile, {});
    catalogue->loadRecords(squares(3, 5));
    ASSERT_TRUE(catalogue->load(dataFile.string()));
    EXPECT_EQ(catalogue->tangramCount(), 0);
    EXPECT_EQ(catalogue->emptyCategories().size(), static_cast<std::size_t>(CategoryTotal));
    EXPECT_EQ(catalogue->firstOfCategory(5), 0);
    EXPECT_FALSE(catalogue->isPlayable(1));
    EXPECT_TRUE(catalogue->records(false).empty());
}

TEST_F(CatalogueFile, MissingFileFailsAndLeavesTheCatalogue) {
    // Only a file that cannot be opened is a failure; the catalogue held before stays.
    catalogue->loadRecords(squares(3, 5));
    EXPECT_FALSE(catalogue->load((folder.path() / "missing.dat").string()));
    EXPECT_FALSE(catalogue->load(folder.path().string()));
    EXPECT_EQ(catalogue->tangramCount(), 3);
    EXPECT_EQ(catalogue->categoryCount(5), 3);
}

TEST_F(CatalogueFile, FailedWriteReportsFailureAndLeavesNothingBehind) {
    // A write into a missing folder, or where a folder stands, fails without touching anything.
    catalogue->loadRecords(squares(3, 5));
    EXPECT_FALSE(catalogue->write((folder.path() / "missing" / "pivo.dat").string(), false));
    EXPECT_FALSE(fs::exists(folder.path() / "missing"));

    fs::create_directory(dataFile);
    writeBytes(dataFile / "inside", {1, 2, 3});
    EXPECT_FALSE(catalogue->write(dataFile.string(), true));
    EXPECT_TRUE(fs::is_directory(dataFile));
    EXPECT_EQ(readBytes(dataFile / "inside"), (Bytes{1, 2, 3}));
    EXPECT_EQ(listing(folder.path()), std::vector<fs::path>{"pivo.dat"});
}

TEST_F(CatalogueEditing, InsertAtTheFrontMovesEveryEntryUp) {
    // Inserting at position 1 moves entries up whole; the new entry gets the highest number of its category.
    catalogue->loadRecords(joined({record(2, Square), record(0, Square), record(2, shifted(Square, 1, 1))}));
    const Placement figure = shifted(Square, -5, 5);

    ASSERT_TRUE(catalogue->insertPattern(1, 2, figure));

    EXPECT_EQ(catalogue->tangramCount(), 4);
    EXPECT_EQ(catalogue->categoryCount(2), 3);
    EXPECT_EQ(catalogue->entry(1).category, 2);
    EXPECT_EQ(catalogue->entry(1).number, 3);
    EXPECT_EQ(catalogue->entry(1).placement, figure);
    EXPECT_EQ(catalogue->entry(2).number, 1);
    EXPECT_EQ(catalogue->entry(3).category, 0);
    EXPECT_EQ(catalogue->entry(4).number, 2);
    EXPECT_EQ(catalogue->entry(4).placement, shifted(Square, 1, 1));
    EXPECT_EQ(catalogue->records(false), joined({record(2, figure), record(2, Square), record(0, Square),
                                                 record(2, shifted(Square, 1, 1))}));
}

TEST_F(CatalogueEditing, InsertAtTheEndAndIntoAnEmptyCatalogue) {
    // Position tangramCount + 1 appends, also when the catalogue is empty.
    ASSERT_TRUE(catalogue->insertPattern(1, 7, Square));
    ASSERT_TRUE(catalogue->insertPattern(2, 7, shifted(Square, 2, 0)));
    EXPECT_EQ(catalogue->tangramCount(), 2);
    EXPECT_EQ(catalogue->entry(2).number, 2);
    EXPECT_EQ(catalogue->entry(2).placement, shifted(Square, 2, 0));
}

TEST_F(CatalogueEditing, InsertIsRefusedWhenFullOrOutsideTheCatalogue) {
    // No 3001st entry, and no position beyond tangramCount + 1 or below 1; a refused insert changes nothing.
    catalogue->loadRecords(squares(2, 1));
    EXPECT_FALSE(catalogue->insertPattern(0, 1, Square));
    EXPECT_FALSE(catalogue->insertPattern(4, 1, Square));
    EXPECT_EQ(catalogue->tangramCount(), 2);

    const Bytes full = squares(MaxTangrams, 1);
    catalogue->loadRecords(full);
    EXPECT_FALSE(catalogue->insertPattern(1, 1, Square));
    EXPECT_EQ(catalogue->tangramCount(), MaxTangrams);
    EXPECT_EQ(catalogue->categoryCount(1), MaxTangrams);
    EXPECT_EQ(catalogue->records(false), full);
}

TEST_F(CatalogueEditing, DeleteMovesLaterEntriesDownAndKeepsTheirNumbers) {
    // Deleting entry 1 moves the rest down; numbers within category are not recomputed until the next load.
    catalogue->loadRecords(
        joined({record(2, Square), record(9, Square), record(0, Square), record(2, shifted(Square, 1, 1))}));

    EXPECT_FALSE(catalogue->deletePattern(0));
    EXPECT_FALSE(catalogue->deletePattern(5));
    EXPECT_EQ(catalogue->tangramCount(), 4);
    EXPECT_TRUE(catalogue->deletePattern(1));
    EXPECT_EQ(catalogue->tangramCount(), 3);
    EXPECT_EQ(catalogue->categoryCount(2), 1);
    EXPECT_EQ(catalogue->entry(1).category, NoCategory);
    EXPECT_EQ(catalogue->entry(3).number, 2);

    // An unusable record belongs to no category, so deleting it changes no count.
    catalogue->deletePattern(1);
    EXPECT_EQ(catalogue->tangramCount(), 2);
    EXPECT_EQ(catalogue->categoryCount(0), 1);
    EXPECT_EQ(catalogue->categoryCount(2), 1);
    EXPECT_EQ(catalogue->records(false), joined({record(0, Square), record(2, shifted(Square, 1, 1))}));
}

TEST(CategoryNames, EnglishUnlessTheFlagIsOne) {
    // The category names as the player reads them; German only for German.
    const std::vector<std::string_view> english{"Humans", "Animals", "Tools and household stuff",
                                                "Buildings and ships", "Figures and shapes", "Twin Tangrams",
                                                "Convex Tangrams", "Letters and numbers"};
    const std::vector<std::string_view> german{"Menschen", "Tiere", "Werkzeuge und Hausrat", "Gebäude und Schiffe",
                                               "Figuren und Formen", "Zwillingstangrams", "Konvexe Tangrams",
                                               "Buchstaben und Ziffern"};
    for (int c = 0; c < CategoryTotal; ++c) {
        EXPECT_EQ(categoryName(Language::German, c), german[c]);
        EXPECT_EQ(categoryName(Language::English, c), english[c]);
        EXPECT_EQ(categoryName(Language::NotChosen, c), english[c]);
        EXPECT_EQ(categoryName(static_cast<Language>(2), c), english[c]);
    }
}

}  // namespace
