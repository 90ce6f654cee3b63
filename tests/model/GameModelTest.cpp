// The game model: which commands move the position, and that each command tells the windows once,
// after the fact, what it changed.

#include "CatalogueFixture.h"
#include "TempFiles.h"
#include "model/GameModel.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace pivo {
namespace {

struct Changes : ChangeListener {
    std::vector<Change> seen;
    void changed(const Change& change) override { seen.push_back(change); }
};

// Names the game as told, or cancels the save dialog; refuses to overwrite.
struct Dialogs : GameDialogs {
    std::optional<std::string> name;
    std::vector<std::string> failures;
    bool askGameName(std::string& asked) override {
        if (name) asked = *name;
        return name.has_value();
    }
    bool askOverwrite(const std::string&) override { return false; }
    void tellSaveFailed(const std::string& failed) override { failures.push_back("save " + failed); }
    void tellLoadFailed(const std::string& failed) override { failures.push_back("load " + failed); }
};

// Category 0 holds entries 1, 3 and 6, category 1 entries 2 and 4, the others one entry each.
class GameModelTest : public ::testing::Test {
protected:
    GameModelTest() {
        fillCatalogue(catalogue, {0, 1, 0, 1, 2, 0, 3, 4, 5, 6, 7});
        model.startAt({0, 3});
        model.setListener(changes);
    }
    const Change& only() {
        EXPECT_EQ(changes.seen.size(), 1u);
        return changes.seen.back();
    }

    scratch::TempFolder folder;
    Catalogue catalogue;
    Progress progress;
    GameModel model{catalogue, progress, folder.path().string() + "/"};
    Changes changes;
    Dialogs dialogs;
};

// The start brings a stored position into the catalogue and tells nobody: nothing is shown yet.
TEST(GameModelStart, StoredPositionIsReconciledSilently) {
    Catalogue catalogue;
    fillCatalogue(catalogue, {0, 1, 0, 1});
    Progress progress;
    GameModel model(catalogue, progress, "/nonexistent/");
    Changes changes;
    model.setListener(changes);
    model.startAt({0, 4});
    EXPECT_EQ(model.position(), (Position{1, 4})) << "the category follows the tangram";
    EXPECT_EQ(model.board().currentTangram(), 4);
    EXPECT_TRUE(changes.seen.empty());
}

// Moving through the catalogue sets the tangram up afresh and tells it once; the unsolved commands
// with nothing left to find only say so.
TEST_F(GameModelTest, MovesSetUpAndTellOnce) {
    model.next();
    const Change& next = only();
    EXPECT_EQ(model.tangram(), 6);
    EXPECT_TRUE(next.position && next.silhouette && next.playState);
    EXPECT_EQ(next.tans, Change::AllTans);

    changes.seen.clear();
    model.stepCategory(CategoryStep::Previous);
    EXPECT_EQ(model.position(), (Position{7, 11}));
    model.chooseCategory(1);
    EXPECT_EQ(model.position(), (Position{1, 2}));
    model.select(4);
    EXPECT_EQ(model.position(), (Position{1, 4}));
    EXPECT_EQ(changes.seen.size(), 3u);

    changes.seen.clear();
    progress.setStatus(2, FinishedFlag);
    model.nextUnsolved();
    const Change& none = only();
    EXPECT_TRUE(none.noneUnfinished);
    EXPECT_FALSE(none.position);
    EXPECT_EQ(model.tangram(), 4);
}

// A tip tells the tans and the progress; a move of the mouse that changes nothing tells nothing.
TEST_F(GameModelTest, PlayingTellsWhatChanged) {
    model.setUnitSize(6);
    model.mouseMove(false, 300, 200);
    EXPECT_TRUE(changes.seen.empty());
    model.tip();
    const Change& tip = only();
    EXPECT_TRUE(tip.progress);
    EXPECT_EQ(tip.tans, Change::AllTans);
    EXPECT_FALSE(tip.position);
    EXPECT_EQ(progress.status(3).tipLevel(), 1);
}

// The save offer tells the windows when it settled the unsaved changes, saved or declined, and not
// when the save failed.
TEST_F(GameModelTest, SaveOfferTellsWhenNameOrSavedStateChanged) {
    model.saveCurrentGame(dialogs);
    EXPECT_TRUE(changes.seen.empty()) << "nothing to offer";

    progress.gameModified = true;
    model.saveCurrentGame(dialogs);
    EXPECT_TRUE(only().progress) << "cancelled: the changes are given up";
    EXPECT_FALSE(progress.gameModified);

    changes.seen.clear();
    progress.gameModified = true;
    dialogs.name = "a/b";
    model.saveCurrentGame(dialogs);
    EXPECT_TRUE(changes.seen.empty()) << "a failed save leaves the changes unsaved";
    EXPECT_EQ(dialogs.failures, std::vector<std::string>{"save a/b"});
    EXPECT_TRUE(progress.gameModified);
}

// A failed load forgets the name and keeps the board; a new game clears the progress and sets up afresh.
TEST_F(GameModelTest, LoadFailureAndNewGame) {
    model.tip();
    changes.seen.clear();
    model.load("missing", dialogs);
    const Change& failed = only();
    EXPECT_TRUE(failed.progress);
    EXPECT_FALSE(failed.position);
    EXPECT_TRUE(progress.gameName.empty());
    EXPECT_EQ(progress.status(3).tipLevel(), 1);

    changes.seen.clear();
    progress.gameModified = false;
    model.newGame(dialogs);
    const Change& fresh = only();
    EXPECT_TRUE(fresh.position && fresh.progress);
    EXPECT_EQ(progress.status(3).value, 0);
    EXPECT_EQ(model.board().tans(), startPlacement());
}

// Progress that the save offer leaves unsaved, the save having failed on a full drive or the player
// having refused to overwrite, stops a new game: nothing is cleared, nothing set up afresh. Only the
// player's own Cancel gives the progress up and lets the new game go on.
TEST_F(GameModelTest, NewGameStopsWhileTheProgressIsUnsaved) {
    model.tip();
    dialogs.name = "anna";
    bool saved = true;
    {
        const scratch::FileSizeLimit driveFull(0);
        saved = model.saveCurrentGame(dialogs);
        changes.seen.clear();
        model.newGame(dialogs);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(dialogs.failures, (std::vector<std::string>{"save anna", "save anna"}));
    EXPECT_TRUE(changes.seen.empty());
    EXPECT_TRUE(progress.gameModified);
    EXPECT_EQ(progress.status(3).tipLevel(), 1);

    EXPECT_TRUE(model.saveCurrentGame(dialogs));
    model.tip();
    model.newGame(dialogs);
    EXPECT_TRUE(progress.gameModified) << "not overwritten";
    EXPECT_FALSE(model.saveCurrentGame(dialogs));
    EXPECT_EQ(progress.status(3).tipLevel(), 2);

    dialogs.name.reset();
    model.newGame(dialogs);
    EXPECT_FALSE(progress.gameModified);
    EXPECT_EQ(progress.status(3).value, 0);
}

// The author's add leaves the board as it is and tells nothing; a delete sets up the tangram of the
// category that took the deleted one's place.
TEST_F(GameModelTest, EditorCommands) {
    EXPECT_EQ(model.addPattern(), EditOutcome::Written);
    EXPECT_TRUE(changes.seen.empty());
    EXPECT_EQ(model.tangram(), 3);
    EXPECT_EQ(model.deletePattern(), EditOutcome::Written);
    EXPECT_TRUE(only().position);
    EXPECT_EQ(model.position(), (Position{0, 3}));
    EXPECT_EQ(catalogue.tangramCount(), 11);
}

}  // namespace
}  // namespace pivo
