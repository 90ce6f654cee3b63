// A data file edited with the game's pattern editor stays a catalogue the tool accepts, and its dump
// builds back into the same bytes, so edits made in the game can be reviewed and kept as sources.

#include "CatalogueImages.h"
#include "catalogue/CommandLine.h"
#include "catalogue/Commands.h"
#include "model/FileIo.h"
#include "model/PatternEditor.h"
#include "catalogue/RandomFigures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace pivo::tool {
namespace {

namespace fs = std::filesystem;

class EditedCatalogue : public ::testing::Test {
protected:
    EditedCatalogue() {
        std::string pattern = (fs::temp_directory_path() / "pivo-edited-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder from " + pattern);
        folder_ = pattern;
    }
    ~EditedCatalogue() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    std::vector<std::uint8_t> read(const std::string& name) const { return readFile(path(name), 1 << 20).value(); }

    std::ostringstream out_;
    std::ostringstream err_;

private:
    fs::path folder_;
};

// Add, delete, add as the author would, then check, dump and build: no errors, the same bytes.
TEST_F(EditedCatalogue, PassesTheCheckAndSurvivesDumpAndBuild) {
    const std::string dataFile = path("pivo.dat");
    ASSERT_TRUE(replaceFileAtomically(dataFile, testing::imageOf(testing::validCatalogue())));
    // The same seed as the valid catalogue: its 80 figures, then more of other silhouettes.
    const std::vector<Placement> figures = randomFigures(82, 42);
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.load(dataFile));

    // Entries 11..20 are Animals, 71..80 Letters and numbers.
    ASSERT_EQ(addPattern(catalogue, dataFile, 15, 1, figures[80]), EditOutcome::Written);
    int current = 12;
    ASSERT_EQ(deleteCurrentPattern(catalogue, dataFile, current, 1), EditOutcome::Written);
    ASSERT_EQ(current, 12);
    ASSERT_EQ(addPattern(catalogue, dataFile, 75, 7, figures[81]), EditOutcome::Written);
    ASSERT_EQ(catalogue.entry(14).placement, figures[80]);
    ASSERT_EQ(catalogue.entry(75).placement, figures[81]);
    const std::vector<std::uint8_t> edited = read("pivo.dat");
    ASSERT_EQ(edited.size(), 81u * RecordSize);

    EXPECT_EQ(runCheck(dataFile, out_, err_), ExitOk) << out_.str();
    EXPECT_EQ(out_.str().rfind("81 records;", 0), 0u) << out_.str();

    std::ostringstream dumped;
    ASSERT_EQ(runDump(dataFile, dumped, err_), ExitOk);
    std::ofstream(path("dumped.pvc")) << dumped.str();
    ASSERT_EQ(runBuild({path("dumped.pvc")}, path("rebuilt.dat"), out_, err_), ExitOk) << err_.str();
    EXPECT_EQ(read("rebuilt.dat"), edited);

    // The centred save of the edited catalogue goes the same way.
    ASSERT_EQ(saveCentred(catalogue, dataFile), EditOutcome::Written);
    out_.str("");
    EXPECT_EQ(runCheck(dataFile, out_, err_), ExitOk) << out_.str();
}

}  // namespace
}  // namespace pivo::tool
