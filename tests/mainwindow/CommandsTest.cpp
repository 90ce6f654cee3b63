#include "TestGame.h"

#include "resources/ImageButton.h"
#include "tests/model/TempFiles.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace pivo::testing {
namespace {

class Commands : public ::testing::Test {
protected:
    void startAt(int level, int group, int tongue = 0, int patmode = 0) {
        game.store("level", QString::number(level));
        game.store("group", QString::number(group));
        game.store("tongue", QString::number(tongue));
        game.store("patmode", QString::number(patmode));
        game.start();
    }
    QString caption() { return game.form().windowTitle(); }

    TestGame game;
};

// Next and previous stay inside the category and wrap around at its ends (category 0: entries 1, 3, 6).
TEST_F(Commands, NextAndPreviousWrapWithinTheCategory) {
    startAt(6, 0);
    ImageButton* up = game.form().button(ToolButton::Up);
    ImageButton* dn = game.form().button(ToolButton::Dn);
    up->click();
    EXPECT_EQ(game.model().tangram(), 1);
    EXPECT_EQ(game.board().currentTangram(), 1);
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Humans - Tangram: 1");
    up->click();
    EXPECT_EQ(game.model().tangram(), 3);
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Humans - Tangram: 2");
    dn->click();
    dn->click();
    EXPECT_EQ(game.model().tangram(), 6);
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Humans - Tangram: 3");
    EXPECT_GE(game.windows.patternRefreshes, 4);
}

// The category button: left steps forward, right back (wrapping), any other button keeps the category;
// each goes to the category's first tangram.
TEST_F(Commands, CategoryButtonStepsByMouseButton) {
    startAt(6, 0);
    ImageButton* category = game.form().button(ToolButton::Category);
    QTest::mousePress(category, Qt::RightButton);
    EXPECT_EQ(game.model().category(), 7);
    EXPECT_EQ(game.model().tangram(), 11);
    QTest::mousePress(category, Qt::LeftButton);
    EXPECT_EQ(game.model().category(), 0);
    EXPECT_EQ(game.model().tangram(), 1);
    QTest::mousePress(category, Qt::LeftButton);
    EXPECT_EQ(game.model().category(), 1);
    EXPECT_EQ(game.model().tangram(), 2);
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Animals - Tangram: 1");
    game.form().button(ToolButton::Up)->click();
    ASSERT_EQ(game.model().tangram(), 4);
    QTest::mousePress(category, Qt::MiddleButton);
    EXPECT_EQ(game.model().category(), 1);
    EXPECT_EQ(game.model().tangram(), 2);
}

// The unsolved commands skip finished tangrams; with none left but the current one they say so.
TEST_F(Commands, UnsolvedCommandsSkipFinishedOnesOrSaySo) {
    startAt(1, 0);
    game.progress.setStatus(3, 8);
    game.form().button(ToolButton::UnsolvedUp)->click();
    EXPECT_EQ(game.model().tangram(), 6);
    game.form().button(ToolButton::UnsolvedDn)->click();
    EXPECT_EQ(game.model().tangram(), 1);
    EXPECT_TRUE(game.windows.messages.empty());

    game.progress.setStatus(6, 15);
    game.form().button(ToolButton::UnsolvedUp)->click();
    ASSERT_EQ(game.windows.messages.size(), 1u);
    EXPECT_EQ(game.windows.messages[0].kind, MessageKind::Notice);
    EXPECT_EQ(game.windows.messages[0].text, "All Tangrams of this category already solved.");
    EXPECT_EQ(game.model().tangram(), 1);

    game.preferences.language = Language::German;
    game.form().button(ToolButton::UnsolvedDn)->click();
    ASSERT_EQ(game.windows.messages.size(), 2u);
    EXPECT_EQ(game.windows.messages[1].text, "Alle Tangrams dieser Kategorie bereits gelöst.");
    EXPECT_EQ(game.model().tangram(), 1);
}

// The caption names category, tangram and state only when the pattern is on the board; the game's
// name always; both languages.
TEST_F(Commands, CaptionInBothLanguages) {
    startAt(4, 1);
    game.progress.setStatus(4, 8 + 4);
    game.progress.gameName = "anna";
    game.form().UpdateCaption();
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Animals - Tangram: 2 (solved) - Game: anna");
    game.preferences.language = Language::German;
    game.progress.setStatus(4, 15);
    game.form().UpdateCaption();
    EXPECT_EQ(caption(), "Pivolet V3.1 - Kategorie: Tiere - Tangram: 2 (aufgegeben) - Spiel: anna");
    game.preferences.patternMode = 3;
    game.form().UpdateCaption();
    EXPECT_EQ(caption(), "Pivolet V3.1 - Spiel: anna");
}

// Every tool-bar hint follows the language, and a language change reaches them through UpdateHints.
TEST_F(Commands, HintsInBothLanguages) {
    startAt(1, 0);
    EXPECT_EQ(game.form().button(ToolButton::Tip)->hint(), "I need a little help.");
    EXPECT_EQ(game.form().button(ToolButton::Category)->hint(), "I take another category.");
    EXPECT_EQ(game.form().button(ToolButton::Info)->hint(), "Who did this PIVOLET GAME?");
    game.preferences.language = Language::German;
    game.form().UpdateHints();
    EXPECT_EQ(game.form().button(ToolButton::Tip)->hint(), "Ich lass mir unter die Arme greifen.");
    EXPECT_EQ(game.form().button(ToolButton::Category)->hint(), "Ich möchte eine ander Kategorie wählen.");
    EXPECT_EQ(game.form().button(ToolButton::UnsolvedDn)->hint(), "Ich nehm' das vorige ungelöste Tangram.");
    for (ToolButton which : HintedButtons)
        EXPECT_EQ(game.form().button(which)->hint().toStdString(), texts::buttonHint(Language::German, which));
    EXPECT_EQ(caption(), "Pivolet V3.1 - Kategorie: Menschen - Tangram: 1");
}

// A new game, once confirmed, offers the unsaved progress for saving and then clears it; a No keeps it.
TEST_F(Commands, NewGameAsksThenSavesAndClears) {
    startAt(1, 0);
    game.form().button(ToolButton::Tip)->click();
    game.form().button(ToolButton::Tip)->click();
    game.windows.answers = {DialogAnswer::No};
    game.form().button(ToolButton::NewGame)->click();
    EXPECT_EQ(game.progress.status(1).tipLevel(), 2);
    EXPECT_EQ(game.board().tans()[1], convexSquare()[1]);

    game.windows.gameNames = {"anna"};
    game.form().button(ToolButton::NewGame)->click();
    EXPECT_EQ(game.windows.kinds(), (std::vector<MessageKind>{MessageKind::GiveUp, MessageKind::GiveUp}));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(game.folder() + "games/anna.pvg")));
    EXPECT_EQ(game.progress.status(1).value, 0);
    EXPECT_TRUE(game.progress.gameName.empty());
    EXPECT_EQ(game.board().tans(), startPlacement());
    EXPECT_TRUE(game.form().button(ToolButton::Tip)->isEnabled());
}

// Loading offers unsaved progress first, then reads the picked game and shows its tips on the board.
TEST_F(Commands, LoadReadsThePickedGame) {
    startAt(1, 0);
    game.form().button(ToolButton::Tip)->click();
    game.windows.gameNames = {"bert"};
    game.windows.pickedGames = {"bert"};
    game.progress.setStatus(1, 0);
    game.progress.gameModified = false;
    game.form().button(ToolButton::Load)->click();
    EXPECT_EQ(game.windows.gameNameQuestions, 0);
    EXPECT_EQ(game.windows.messages.size(), 1u);  // no such game yet
    EXPECT_EQ(game.windows.messages[0].text, "Error occured while loading file bert");
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Humans - Tangram: 1");

    game.form().button(ToolButton::Tip)->click();
    game.form().button(ToolButton::Tip)->click();
    game.form().button(ToolButton::Tip)->click();
    game.windows.gameNames = {"bert"};
    game.windows.pickedGames = {"bert"};
    game.form().button(ToolButton::Load)->click();
    EXPECT_EQ(game.windows.gameNameQuestions, 1);
    EXPECT_EQ(game.progress.gameName, "bert");
    EXPECT_EQ(game.progress.status(1).tipLevel(), 3);
    EXPECT_EQ(game.board().tans()[2], convexSquare()[2]);
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Humans - Tangram: 1 - Game: bert");
}

// On a full drive the save before the exit, a load and a new game fails: after its message each
// command stops, the window stays open and the progress stays in the game, unsaved; saved once the
// drive takes it, the exit goes on.
TEST_F(Commands, AFailedSaveStopsExitLoadAndNewGame) {
    startAt(1, 0);
    game.form().button(ToolButton::Tip)->click();
    game.windows.gameNames = {"anna", "anna", "anna", "anna"};
    game.windows.pickedGames = {"anna"};
    {
        const scratch::FileSizeLimit driveFull(0);
        game.form().button(ToolButton::Exit)->click();
        game.form().button(ToolButton::Load)->click();
        game.form().button(ToolButton::NewGame)->click();
    }
    EXPECT_TRUE(game.form().isVisible());
    EXPECT_EQ(game.windows.kinds(), (std::vector<MessageKind>{MessageKind::Quit, MessageKind::Notice,
                                                              MessageKind::Notice, MessageKind::GiveUp,
                                                              MessageKind::Notice}));
    EXPECT_EQ(game.windows.messages[1].text,
              "An errorSave occured while saving game \"anna\". Drive full or not writable.");
    EXPECT_EQ(game.windows.pickedGames.size(), 1u) << "the load dialog stayed shut";
    EXPECT_EQ(game.progress.status(1).tipLevel(), 1);
    EXPECT_EQ(game.board().tans()[0], convexSquare()[0]);
    EXPECT_TRUE(game.progress.gameModified);
    EXPECT_TRUE(game.stored("wid").isNull());

    EXPECT_TRUE(game.close());
    QFile saved(QString::fromStdString(game.folder() + "games/anna.pvg"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().at(0), 1);
}

// The statistics button opens the statistics; the rules open in the player's language; the exit
// button asks before closing.
TEST_F(Commands, StatisticsRulesAndExit) {
    startAt(1, 0);
    game.form().button(ToolButton::Stat)->click();
    EXPECT_EQ(game.windows.statisticsShown, 1);
    game.form().button(ToolButton::Rules)->click();
    game.preferences.language = Language::German;
    game.form().button(ToolButton::Rules)->click();
    EXPECT_EQ(game.help.opened, (std::vector<int>{2, 1}));

    game.windows.answers = {DialogAnswer::No};
    game.form().button(ToolButton::Exit)->click();
    EXPECT_TRUE(game.form().isVisible());
    EXPECT_TRUE(game.stored("wid").isNull());
    game.form().button(ToolButton::Exit)->click();
    EXPECT_FALSE(game.form().isVisible());
    EXPECT_EQ(game.windows.kinds(), (std::vector<MessageKind>{MessageKind::Quit, MessageKind::Quit}));
    EXPECT_EQ(game.help.quits, 1);
}

}  // namespace
}  // namespace pivo::testing
