#include "CatalogueImages.h"
#include "catalogue/CommandLine.h"
#include "catalogue/Commands.h"
#include "catalogue/RenderCommand.h"
#include "model/Catalogue.h"
#include "model/FileIo.h"
#include "tests/model/TempFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pivo::tool {
namespace {

namespace fs = std::filesystem;

class Commands : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (folder_.path() / name).string(); }
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }
    std::vector<std::uint8_t> read(const std::string& name) const { return readFile(path(name), 1 << 20).value(); }

    std::ostringstream out_;
    std::ostringstream err_;

private:
    scratch::TempFolder folder_;
};

// A source with an error leaves the previous data file as it was.
TEST_F(Commands, BuildWritesNothingOnErrors) {
    const std::string good = write("good.pvc", "category 4\n1,2,3 4,5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,21\n");
    const std::string bad = write("bad.pvc", "category 4\n1,2,3\n");
    ASSERT_EQ(runBuild({good}, path("pivo.dat"), out_, err_), ExitOk);
    const std::vector<std::uint8_t> before = read("pivo.dat");
    EXPECT_EQ(before.size(), 22u);

    EXPECT_EQ(runBuild({good, bad}, path("pivo.dat"), out_, err_), ExitFailure);
    EXPECT_EQ(read("pivo.dat"), before);
    EXPECT_NE(err_.str().find(bad + ":2: expected 7 tans as x,y,o, found 1"), std::string::npos);
    EXPECT_EQ(runBuild({bad}, path("new.dat"), out_, err_), ExitFailure);
    EXPECT_FALSE(fs::exists(path("new.dat")));
    EXPECT_EQ(runBuild({path("missing.pvc")}, path("new.dat"), out_, err_), ExitFailure);
    EXPECT_FALSE(fs::exists(path("new.dat")));
}

// check fails on errors only, and always ends with its summary.
TEST_F(Commands, CheckExitCodes) {
    std::vector<testing::Record> records = testing::validCatalogue();
    ASSERT_TRUE(replaceFileAtomically(path("good.dat"), testing::imageOf(records)));
    EXPECT_EQ(runCheck(path("good.dat"), out_, err_), ExitOk);
    EXPECT_EQ(out_.str().rfind("80 records;", 0), 0u);

    records[0].placement = testing::shifted(records[0].placement, 1, 1);
    ASSERT_TRUE(replaceFileAtomically(path("warn.dat"), testing::imageOf(records)));
    out_.str("");
    EXPECT_EQ(runCheck(path("warn.dat"), out_, err_), ExitOk);
    EXPECT_EQ(out_.str().rfind("warning: record 1 ", 0), 0u);

    records[1].category = 9;
    ASSERT_TRUE(replaceFileAtomically(path("bad.dat"), testing::imageOf(records)));
    out_.str("");
    EXPECT_EQ(runCheck(path("bad.dat"), out_, err_), ExitFailure);
    EXPECT_NE(out_.str().find("\nerror: record 2 (category 9): category above 7"), std::string::npos);
    EXPECT_NE(out_.str().find("; 2 errors, 1 warning\n"), std::string::npos);
    EXPECT_EQ(runCheck(path("missing.dat"), out_, err_), ExitFailure);
}

// solve names every figure with its solutions and rating, then counts the ratings per category;
// for one record it also prints the layings as source lines. dump writes the ratings too.
TEST_F(Commands, SolveAndDumpRateEveryFigure) {
    ASSERT_TRUE(replaceFileAtomically(path("good.dat"), testing::imageOf(testing::validCatalogue())));
    EXPECT_EQ(runSolve(path("good.dat"), std::nullopt, std::nullopt, out_, err_), ExitOk);
    EXPECT_EQ(out_.str().rfind("record 1 (Humans 1): ", 0), 0u);
    EXPECT_NE(out_.str().find("\nrecord 80 (Letters and numbers 10): "), std::string::npos);
    EXPECT_NE(out_.str().find("\nrating                     1     2     3     4     5     unrated\nHumans   "), std::string::npos);

    out_.str("");
    EXPECT_EQ(runSolve(path("good.dat"), 2, 1, out_, err_), ExitOk);
    EXPECT_EQ(out_.str().rfind("record 2 (Humans 2): 1+ solutions, rating ", 0), 0u);
    EXPECT_NE(out_.str().find("  # solution 1\n"), std::string::npos);
    EXPECT_EQ(out_.str().find("# solution 2"), std::string::npos);
    EXPECT_EQ(runSolve(path("good.dat"), 81, std::nullopt, out_, err_), ExitFailure);

    out_.str("");
    EXPECT_EQ(runDump(path("good.dat"), out_, err_), ExitOk);
    EXPECT_NE(out_.str().find("  # Humans 1, rating "), std::string::npos);
}

// An output that is one of the inputs, however spelt, is refused before anything is read or written.
TEST_F(Commands, OutputThatIsAnInputIsRefused) {
    const std::string text = "category 4\n1,2,3 4,5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,21\n";
    const std::string source = write("same.pvc", text);
    fs::create_hard_link(source, path("linked.pvc"));
    for (const std::string& output : {source, path("./../" + fs::path(source).parent_path().filename().string() + "/same.pvc"),
                                      path("linked.pvc")}) {
        EXPECT_EQ(runBuild({path("missing.pvc"), source}, output, out_, err_), ExitUsage) << output;
        EXPECT_EQ(read("same.pvc"), std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    ASSERT_EQ(runBuild({source}, path("pivo.dat"), out_, err_), ExitOk);
    const std::vector<std::uint8_t> data = read("pivo.dat");
    EXPECT_EQ(runRender(path("pivo.dat"), path("pivo.dat"), std::nullopt, out_, err_), ExitUsage);
    EXPECT_EQ(read("pivo.dat"), data);
    EXPECT_NE(err_.str().find("the output " + path("pivo.dat") + " is the data file itself"), std::string::npos);
}

// dump reproduces files as large as the game keeps and refuses larger ones whole, rather than print a
// source that would build into a shorter file; check takes the size of a large file without reading it.
TEST_F(Commands, DumpAndCheckStopWhereTheGameStops) {
    const std::string file = path("large.dat");
    ASSERT_TRUE(replaceFileAtomically(file, testing::imageOf(testing::validCatalogue())));
    fs::resize_file(file, MaxDataFileSize);
    std::ostringstream dumped;
    ASSERT_EQ(runDump(file, dumped, err_), ExitOk);
    ASSERT_EQ(runBuild({write("dumped.pvc", dumped.str())}, path("rebuilt.dat"), out_, err_), ExitOk);
    EXPECT_EQ(read("rebuilt.dat"), read("large.dat"));

    fs::resize_file(file, std::uintmax_t{50} << 20);
    dumped.str("");
    EXPECT_EQ(runDump(file, dumped, err_), ExitFailure);
    EXPECT_TRUE(dumped.str().empty());
    EXPECT_NE(err_.str().find("large.dat holds 52428800 bytes; dump reproduces files of up to 132000 bytes (6000 records)"),
              std::string::npos);
    EXPECT_EQ(runCheck(file, out_, err_), ExitFailure);
    EXPECT_NE(out_.str().find("error: file: more than 3000 records (2383127 records;"), std::string::npos) << out_.str();
}

}  // namespace
}  // namespace pivo::tool
