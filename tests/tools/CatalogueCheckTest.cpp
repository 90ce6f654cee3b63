#include "catalogue/CatalogueCheck.h"
#include "CatalogueImages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pivo::tool {
namespace {

using testing::imageOf;
using testing::Record;
using testing::shifted;
using testing::squareFigure;
using testing::validCatalogue;

/// The findings as (problem, record) pairs, for comparing whole results at once.
std::vector<std::pair<Problem, int>> found(const CheckResult& result) {
    std::vector<std::pair<Problem, int>> pairs;
    for (const Finding& f : result.findings) pairs.emplace_back(f.problem, f.record);
    return pairs;
}

using Found = std::vector<std::pair<Problem, int>>;

/// The valid catalogue with record `index` (1-based) replaced.
CheckResult checkWith(int index, Record record) {
    std::vector<Record> records = validCatalogue();
    records[index - 1] = record;
    return checkCatalogue(imageOf(records));
}

// A catalogue of valid, distinct, centred, touching figures, ten per category, passes silently.
TEST(CatalogueCheck, ValidCatalogueHasNoFindings) {
    const CheckResult result = checkCatalogue(imageOf(validCatalogue()));
    EXPECT_EQ(found(result), Found{});
    EXPECT_EQ(result.records, 80);
    EXPECT_EQ(result.categoryCounts, (std::array<int, 8>{10, 10, 10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(formatSummary(result),
              "80 records; Humans 10, Animals 10, Tools and household stuff 10, Buildings and ships 10, "
              "Figures and shapes 10, Twin Tangrams 10, Convex Tangrams 10, Letters and numbers 10; "
              "0 errors, 0 warnings");
}

// Records outside the data model are named and kept out of their category, without any further
// check touching their figure.
TEST(CatalogueCheck, RecordsOutsideTheDataModel) {
    const Placement good = validCatalogue()[4].placement;
    Placement turned = good;
    turned[2].orientation = 32;
    Placement offBoard = good;
    offBoard[0].x = 0;
    offBoard[6].y = 255;

    EXPECT_EQ(found(checkWith(5, {8, good})),
              (Found{{Problem::CategoryOutOfRange, 5}, {Problem::TooFewFigures, 0}}));
    EXPECT_EQ(found(checkWith(5, {0, turned})),
              (Found{{Problem::OrientationOutOfRange, 5}, {Problem::TooFewFigures, 0}}));
    EXPECT_EQ(found(checkWith(5, {0, offBoard})),
              (Found{{Problem::OffBoard, 5}, {Problem::OffBoard, 5}, {Problem::TooFewFigures, 0}}));
    // An unused copy of a later figure, or one whose tans overlap, adds nothing to its own finding.
    EXPECT_EQ(found(checkWith(5, {9, validCatalogue()[20].placement})),
              (Found{{Problem::CategoryOutOfRange, 5}, {Problem::TooFewFigures, 0}}));
    Placement overlapping = good;
    overlapping[4] = overlapping[3];
    EXPECT_EQ(found(checkWith(5, {9, overlapping})), (Found{{Problem::CategoryOutOfRange, 5}, {Problem::TooFewFigures, 0}}));

    const CheckResult result = checkWith(5, {0, turned});
    EXPECT_EQ(result.unusable, 1);
    EXPECT_EQ(result.categoryCounts[0], 9);
    EXPECT_EQ(formatFinding(result.findings[0]),
              "error: record 5 (category 0 \"Humans\", unnumbered): orientation above 31 (tan 3 at (" +
                  std::to_string(good[2].x) + ", " + std::to_string(good[2].y) + ", 32))");
    EXPECT_EQ(formatFinding(checkWith(5, {200, good}).findings[0]),
              "error: record 5 (category 200): category above 7 (category byte 200)");
}

// Overlap means that no order of laying the tans down passes the fit test.
TEST(CatalogueCheck, OverlappingTans) {
    Placement p = validCatalogue()[11].placement;
    p[4] = p[3];  // both large triangles in one place
    const CheckResult result = checkWith(12, {1, p});
    EXPECT_EQ(found(result), (Found{{Problem::TansOverlap, 12}}));
    EXPECT_EQ(formatFinding(result.findings[0]),
              "error: record 12 (category 1 \"Animals\", number 2): tans overlap "
              "(no order of laying the tans down passes the fit test)");
}

// Two figures that look the same are reported, wherever they lie on the board, and across
// categories; the copy moved off centre is also not centred.
TEST(CatalogueCheck, SameSilhouetteShifted) {
    std::vector<Record> records = validCatalogue();
    records[70].placement = shifted(records[2].placement, 3, -2);
    Placement swapped = records[5].placement;
    std::swap(swapped[0], swapped[1]);  // the small triangles exchanged: a different record, the same look
    records[6].placement = swapped;
    const CheckResult result = checkCatalogue(imageOf(records));
    EXPECT_EQ(found(result), (Found{{Problem::SameSilhouette, 7},
                                    {Problem::SameSilhouette, 71},
                                    {Problem::NotCentred, 71}}));
    EXPECT_EQ(formatFinding(result.findings[1]),
              "error: record 71 (category 7 \"Letters and numbers\", number 1): same silhouette as another figure "
              "(looks like record 3 (category 0 \"Humans\", number 3))");
    EXPECT_EQ(formatFinding(result.findings[2]),
              "warning: record 71 (category 7 \"Letters and numbers\", number 1): not centred on (60, 40) "
              "(centring moves it by (-3, 2))");
}

// Warnings alone do not fail the check: an off-centre figure, one whose tans fall apart, and one
// the solver cannot lay within its limits.
TEST(CatalogueCheck, Warnings) {
    Placement apart = squareFigure();
    apart[2].x = 35;  // the medium triangle two units away from the square
    apart = centredPlacement(apart);
    Placement touching = centredPlacement(squareFigure());
    ASSERT_EQ(centredPlacement(touching), touching);

    EXPECT_EQ(found(checkWith(20, {1, touching})), Found{});
    const CheckResult result = checkWith(20, {1, apart});
    EXPECT_EQ(found(result), (Found{{Problem::TansApart, 20}}));
    EXPECT_EQ(result.errors(), 0);
    EXPECT_EQ(result.warnings(), 1);
    EXPECT_EQ(found(checkWith(20, {1, shifted(touching, 1, 0)})), (Found{{Problem::NotCentred, 20}}));

    SolveLimits starved;
    starved.maxPlacements = 6;
    const CheckResult unsolved = checkCatalogue(imageOf(validCatalogue()), starved);
    EXPECT_EQ(unsolved.warnings(), 80);
    EXPECT_EQ(unsolved.errors(), 0);
    EXPECT_EQ(formatFinding(unsolved.findings[0]),
              "warning: record 1 (category 0 \"Humans\", number 1): the solver finds no way to lay it "
              "(gave up after 6 placements)");
}

// Every category needs ten usable figures for the selection grid; none at all is worse.
TEST(CatalogueCheck, CategoriesTooSmallOrEmpty) {
    std::vector<Record> records = validCatalogue();
    records.erase(records.begin() + 70, records.end());  // category 7 gone
    records.erase(records.begin() + 30);                 // category 3 down to nine
    const CheckResult result = checkCatalogue(imageOf(records));
    EXPECT_EQ(found(result), (Found{{Problem::TooFewFigures, 0}, {Problem::EmptyCategory, 0}}));
    EXPECT_EQ(formatFinding(result.findings[0]),
              "error: category 3 \"Buildings and ships\": fewer than 10 figures (only 9; the selection grid needs 10)");
    EXPECT_EQ(formatFinding(result.findings[1]),
              "error: category 7 \"Letters and numbers\": no figures (the game cannot navigate it)");
    EXPECT_EQ(found(checkCatalogue({})).size(), 8u);
}

// The file itself: a partial record at the end, and more records than the game reads.
TEST(CatalogueCheck, FileSizeAndRecordCount) {
    std::vector<std::uint8_t> bytes = imageOf(validCatalogue());
    bytes.push_back(0);
    CheckResult result = checkCatalogue(bytes);
    EXPECT_EQ(found(result), (Found{{Problem::SizeNotWholeRecords, 0}}));
    EXPECT_EQ(formatFinding(result.findings[0]),
              "error: file: size is not a multiple of 22 bytes (1761 bytes, 1 left over after 80 records)");

    // Records past 3000 are not read; those up to it are, each with its tans off the board.
    std::vector<Record> records = validCatalogue();
    records.resize(MaxTangrams + 1, Record{0, Placement{}});
    result = checkCatalogue(imageOf(records));
    EXPECT_EQ(result.records, 3001);
    ASSERT_FALSE(result.findings.empty());
    EXPECT_EQ(found(result)[0], std::make_pair(Problem::TooManyRecords, 0));
    const auto offBoard = std::count_if(result.findings.begin(), result.findings.end(),
                                        [](const Finding& f) { return f.problem == Problem::OffBoard; });
    EXPECT_EQ(offBoard, (MaxTangrams - 80) * TanCount);
    EXPECT_EQ(static_cast<std::size_t>(offBoard) + 1, result.findings.size());
    EXPECT_EQ(result.findings.back().record, MaxTangrams);
}

}  // namespace
}  // namespace pivo::tool
