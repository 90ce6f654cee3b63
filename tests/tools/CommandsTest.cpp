#include "CatalogueImages.h"
#include "catalogue/CommandLine.h"
#include "catalogue/Commands.h"
#include "model/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pivo::tool {
namespace {

namespace fs = std::filesystem;

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("pivo-catalogue-test-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }
    std::vector<std::uint8_t> read(const std::string& name) const { return readFile(path(name), 1 << 20).value(); }

    std::ostringstream out_;
    std::ostringstream err_;

private:
    fs::path folder_;
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

}  // namespace
}  // namespace pivo::tool
