// Every file the game and the catalogue tool write goes through one safe replacement: a saved game, the
// editor's pivo.dat, build's data file and render's sheet. The rules are checked here once for all four
// writers (this test program is the one that links them all): a link planted at a temporary's name is
// never followed, a full drive leaves the old file whole, the old file's permission bits carry over,
// and every name the file system takes can be written, byte for byte.

#include "CatalogueImages.h"
#include "catalogue/CommandLine.h"
#include "catalogue/Commands.h"
#include "catalogue/RenderCommand.h"
#include "model/Catalogue.h"
#include "model/SavedGames.h"
#include "tests/model/TempFiles.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

namespace pivo::tool {
namespace {

namespace fs = std::filesystem;
using scratch::Bytes;

// Names the game exactly as told and agrees to overwrite it.
class AgreeingDialogs : public GameDialogs {
public:
    explicit AgreeingDialogs(std::string name) : name_(std::move(name)) {}
    bool askGameName(std::string& name) override {
        name = name_;
        return true;
    }
    bool askOverwrite(const std::string&) override { return true; }
    void tellSaveFailed(const std::string&) override {}
    void tellLoadFailed(const std::string&) override {}

private:
    std::string name_;
};

struct Writer {
    const char* name;
    /// The file's ending, so that a saved game keeps its .pvg.
    const char* extension;
    /// Writes `target`, a file in the folder `games` of a program folder, from the inputs of the
    /// tool's commands in `inputs`; true on success.
    std::function<bool(const fs::path& target, const fs::path& inputs)> write;
};

void PrintTo(const Writer& writer, std::ostream* out) { *out << writer.name; }

bool saveGame(const fs::path& target, const fs::path&) {
    const SavedGames games(target.parent_path().parent_path().string() + "/");
    Progress progress;
    progress.assign(scratch::countingBytes(StatusTableSize));
    progress.gameModified = true;
    AgreeingDialogs dialogs(target.stem().string());
    games.saveCurrentGame(progress, dialogs);
    return !progress.gameModified;
}

bool writeDataFile(const fs::path& target, const fs::path&) {
    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->loadRecords(testing::imageOf(testing::validCatalogue()));
    return catalogue->write(target.string(), false);
}

bool build(const fs::path& target, const fs::path& inputs) {
    std::ostringstream out, err;
    return runBuild({(inputs / "figures.pvc").string()}, target.string(), out, err) == ExitOk;
}

bool render(const fs::path& target, const fs::path& inputs) {
    std::ostringstream out, err;
    return runRender((inputs / "pivo.dat").string(), target.string(), 7, out, err) == ExitOk;
}

class Writers : public ::testing::TestWithParam<Writer> {
protected:
    static void SetUpTestSuite() {
        // The sheet's labels need fonts, and fonts need an application.
        static int argc = 1;
        static char name[] = "tool_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static QGuiApplication app(argc, argv);
        }
    }
    Writers() {
        fs::create_directories(games);
        std::ofstream(folder.path() / "figures.pvc") << "category 4\n1,2,3 4,5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,21\n";
        scratch::writeBytes(folder.path() / "pivo.dat", testing::imageOf(testing::validCatalogue()));
    }
    fs::path target(const std::string& stem) const { return games / (stem + GetParam().extension); }
    bool write(const fs::path& file) const { return GetParam().write(file, folder.path()); }

    scratch::TempFolder folder;
    fs::path games = folder.path() / "program" / "games";
};

TEST_P(Writers, FollowNoLinkAndLeaveTheOldFileWholeOnFailure) {
    // A link where a fixed temporary name would be leads nowhere; a full drive fails the write and leaves
    // the old file as it was; a write that succeeds keeps the old file's unusual permission bits.
    const fs::path file = target("out");
    const fs::path victim = folder.path() / "victim";
    const Bytes old{1, 2, 3};
    scratch::writeBytes(victim, {6, 6, 6});
    scratch::writeBytes(file, old);
    fs::permissions(file, fs::perms(0604));
    fs::create_symlink(victim, file.string() + ".new");
    {
        const scratch::FileSizeLimit driveFull(10);
        EXPECT_FALSE(write(file));
    }
    EXPECT_EQ(scratch::readBytes(file), old);
    EXPECT_EQ(scratch::listing(games).size(), 2u);

    ASSERT_TRUE(write(file));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
    EXPECT_NE(scratch::readBytes(file), old);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0604));
    EXPECT_EQ(scratch::readBytes(victim), (Bytes{6, 6, 6}));
    EXPECT_EQ(scratch::listing(games).size(), 2u);
}

TEST_P(Writers, WriteEveryNameTheFileSystemTakes) {
    // The temporary name is short whatever the file's own name, so the longest name still works; a name
    // is written with exactly its bytes, also those that are not UTF-8.
    const fs::path longest = target(std::string(NAME_MAX - std::string_view(GetParam().extension).size(), 'n'));
    const fs::path latin1 = target("caf\xe9");
    ASSERT_TRUE(write(longest));
    ASSERT_TRUE(write(latin1));
    EXPECT_TRUE(fs::is_regular_file(longest));
    EXPECT_TRUE(fs::is_regular_file(latin1));
    EXPECT_EQ(scratch::listing(games).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(All, Writers,
                         ::testing::Values(Writer{"SavedGame", ".pvg", saveGame}, Writer{"EditedDataFile", ".dat", writeDataFile},
                                           Writer{"Build", ".dat", build}, Writer{"Render", ".png", render}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pivo::tool
