#include "CatalogueImages.h"
#include "catalogue/CommandLine.h"
#include "catalogue/Commands.h"
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

}  // namespace
}  // namespace pivo::tool
