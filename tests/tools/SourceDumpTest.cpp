#include "CatalogueImages.h"
#include "catalogue/SourceCompiler.h"
#include "catalogue/SourceDump.h"

#include <gtest/gtest.h>

namespace pivo::tool {
namespace {

using testing::imageOf;
using testing::Record;
using testing::validCatalogue;

std::vector<std::uint8_t> rebuilt(std::span<const std::uint8_t> bytes) {
    SourceCompiler compiler;
    compiler.addSource("dump.pvc", dumpSource(bytes));
    EXPECT_TRUE(compiler.errors().empty()) << (compiler.errors().empty() ? "" : formatSourceError(compiler.errors()[0]));
    return compiler.bytes();
}

// Dump then build gives back every file byte for byte, also those the game cannot fully use.
TEST(SourceDump, BuildReproducesAnyFile) {
    std::vector<Record> records = validCatalogue();
    records[3].category = 8;                      // no such category
    records[17].placement[2].orientation = 32;    // no such orientation
    records[25].placement[0].x = 0;               // off the board
    records[40].category = 255;
    std::vector<std::uint8_t> bytes = imageOf(records);
    EXPECT_EQ(rebuilt(bytes), bytes);

    bytes.insert(bytes.end(), {0, 1, 0xab, 0xff, 7});  // a partial record at the end
    EXPECT_EQ(rebuilt(bytes), bytes);

    EXPECT_TRUE(rebuilt({}).empty());
    const std::vector<std::uint8_t> onlyTrailing{9, 9, 9};
    EXPECT_EQ(rebuilt(onlyTrailing), onlyTrailing);
}

// Records past 3000 are not in the game's catalogue, yet the dump keeps them.
TEST(SourceDump, KeepsRecordsPastTheGamesLimit) {
    std::vector<Record> records(3001, Record{1, validCatalogue()[0].placement});
    const std::vector<std::uint8_t> bytes = imageOf(records);
    const std::string text = dumpSource(bytes);
    EXPECT_NE(text.find("# past the first 3000 records: the game ignores it\n"), std::string::npos);
    EXPECT_EQ(rebuilt(bytes), bytes);
}

// Comments say what the player sees: category names, numbers within the category, and which
// records the game cannot use.
TEST(SourceDump, CommentsNameFiguresAsThePlayerSeesThem) {
    const Placement p = validCatalogue()[0].placement;
    Placement offBoard = p;
    offBoard[6].y = 80;
    const std::string text = dumpSource(imageOf({{1, p}, {1, p}, {9, p}, {1, offBoard}, {1, p}}));
    std::string line1;
    for (const TanPlacement& at : p)
        line1 += (line1.empty() ? "" : " ") + std::to_string(at.x) + "," + std::to_string(at.y) + "," +
                 std::to_string(at.orientation);
    const std::string expectedStart = "category 1  # Animals\n" + line1 + "  # Animals 1\n" + line1 + "  # Animals 2\n\n" +
                                      "category 9\n" + line1 + "  # the game cannot use this figure (see check)\n\n" +
                                      "category 1  # Animals\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(text.find("  # the game cannot use this figure (see check)\n" + line1 + "  # Animals 3\n"),
              std::string::npos);
    EXPECT_EQ(dumpSource(std::vector<std::uint8_t>{0x0a, 0xff}), "trailing 0a ff\n");
}

}  // namespace
}  // namespace pivo::tool
