#include "TestGame.h"

#include "mainwindow/BoardBox.h"
#include "resources/ImageButton.h"
#include "mainwindow/Settings.h"
#include "texts/Texts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace pivo::testing {
namespace {

const QStringList CloseKeys = {"sound", "wid", "hig", "level", "group", "tongue", "back", "music", "game",
                               "patmode", "pleft", "ptop", "MainForm"};

// The first start with an empty store asks the language and uses every default: sound and music on,
// background 0, category 0, tangram 1, no game, the medium pattern window.
TEST(Startup, FirstStartAsksLanguageAndUsesDefaults) {
    TestGame game;
    game.windows.languageChoice = Language::German;
    game.start();
    EXPECT_EQ(game.windows.languageQuestions, 1);
    EXPECT_EQ(game.windows.captionWhileLanguageAsked, "Pivolet V3.1") << "the caption is there from the start";
    EXPECT_EQ(game.preferences.language, Language::German);
    EXPECT_TRUE(game.preferences.sound);
    EXPECT_TRUE(game.preferences.music);
    EXPECT_EQ(game.preferences.background, 0);
    EXPECT_EQ(game.model().category(), 0);
    EXPECT_EQ(game.model().tangram(), 1);
    EXPECT_EQ(game.preferences.patternMode, 2);
    EXPECT_FALSE(game.preferences.editorMode);
    EXPECT_TRUE(game.progress.gameName.empty());
    EXPECT_TRUE(game.windows.patternShown);
    EXPECT_EQ(game.music.starts, 1);
    EXPECT_TRUE(QDir(QString::fromStdString(game.folder() + "games")).exists());
    // The texts follow the language chosen in the dialog.
    EXPECT_EQ(game.form().button(ToolButton::Exit)->hint(), "Ich hab genug!");
    EXPECT_EQ(game.form().windowTitle(), "Pivolet V3.1");
    EXPECT_EQ(game.form().size(), QSize(TMainForm::DesignWidth, TMainForm::DesignHeight));
    EXPECT_EQ(game.unit(), 6);
    EXPECT_EQ(game.form().box()->geometry(), QRect(91, 75, 727, 487));
}

// The user store lies under $XDG_CONFIG_HOME/Brambleworks/Pivolet, section [common], values as text.
TEST(Startup, UserStoreIsAnIniFileUnderTheConfigFolder) {
    QTemporaryDir config;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    {
        auto store = Settings::openUserStore();
        Settings settings(*store);
        settings.writeClose(Preferences{}, Position{0, 12}, "anna", QSize(800, 600));
    }
    qputenv("XDG_CONFIG_HOME", previous);
    QFile file(config.path() + "/Brambleworks/Pivolet/V3.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith("[common]")) << text.toStdString();
    EXPECT_TRUE(text.contains("level=12")) << text.toStdString();
    EXPECT_TRUE(text.contains("sound=1")) << text.toStdString();
    EXPECT_TRUE(text.contains("game=anna")) << text.toStdString();
}

// A close writes every key; the next start restores them all and reopens the saved game.
TEST(Startup, CloseWritesEverySettingAndTheNextStartRestoresThem) {
    TestGame game;
    game.store("tongue", "0");
    game.store("patmode", "0");
    game.start();
    QTest::mousePress(game.form().button(ToolButton::Category), Qt::LeftButton);
    game.form().button(ToolButton::Up)->click();
    ASSERT_EQ(game.model().tangram(), 4);
    game.form().button(ToolButton::Tip)->click();
    game.preferences.sound = false;
    game.preferences.music = false;
    game.preferences.background = 4;
    game.preferences.patternMode = 3;
    game.form().resize(1000, 700);
    game.windows.gameNames = {"anna"};
    ASSERT_TRUE(game.close());

    for (const QString& key : CloseKeys) EXPECT_FALSE(game.stored(key).isNull()) << key.toStdString();
    EXPECT_EQ(game.stored("sound"), "0");
    EXPECT_EQ(game.stored("music"), "0");
    EXPECT_EQ(game.stored("level"), "4");
    EXPECT_EQ(game.stored("group"), "1");
    EXPECT_EQ(game.stored("tongue"), "0");
    EXPECT_EQ(game.stored("back"), "4");
    EXPECT_EQ(game.stored("game"), "anna");
    EXPECT_EQ(game.stored("patmode"), "3");
    EXPECT_EQ(game.stored("pleft"), "640");
    EXPECT_EQ(game.stored("ptop"), "120");
    EXPECT_EQ(game.stored("wid").toInt(), game.form().frameGeometry().width());
    EXPECT_EQ(game.stored("hig").toInt(), game.form().frameGeometry().height());

    game.restart();
    EXPECT_EQ(game.windows.languageQuestions, 0);
    EXPECT_FALSE(game.preferences.sound);
    EXPECT_FALSE(game.preferences.music);
    EXPECT_EQ(game.preferences.background, 4);
    EXPECT_EQ(game.model().category(), 1);
    EXPECT_EQ(game.model().tangram(), 4);
    EXPECT_EQ(game.preferences.patternMode, 3);
    EXPECT_EQ(game.progress.gameName, "anna");
    EXPECT_EQ(game.progress.status(4).tipLevel(), 1);
    EXPECT_FALSE(game.progress.gameModified);
    EXPECT_EQ(game.board().tans()[0], convexTriangle()[0]);
    EXPECT_EQ(game.form().size(), QSize(1000, 700));
    EXPECT_EQ(game.form().windowTitle(), "Pivolet V3.1 - Game: anna");
}

// Stored values outside their ranges are clamped as they are read; a language of 5 means English and
// no language question.
TEST(Startup, StoredValuesAreClamped) {
    TestGame game;
    game.store("level", "5000");
    game.store("group", "9");
    game.store("tongue", "5");
    game.store("sound", "x");
    game.store("patmode", "0");
    game.start();
    EXPECT_EQ(game.windows.languageQuestions, 0);
    EXPECT_EQ(game.preferences.language, static_cast<Language>(5));
    EXPECT_TRUE(game.preferences.sound);
    EXPECT_EQ(game.model().category(), 7);
    EXPECT_EQ(game.model().tangram(), 11);
    EXPECT_EQ(game.form().windowTitle(), "Pivolet V3.1 - Category: Letters and numbers - Tangram: 1");

    game.restart();
    game.store("level", "-3");
    game.store("group", "-1");
    game.restart();
    EXPECT_EQ(game.model().category(), 0);
    EXPECT_EQ(game.model().tangram(), 1);
}

// A stored tangram of another category than the stored one takes its own category along.
TEST(Startup, CategoryFollowsAStoredTangramOfAnotherCategory) {
    TestGame game;
    game.store("tongue", "0");
    game.store("level", "4");
    game.store("group", "0");
    game.start();
    EXPECT_EQ(game.model().category(), 1);
    EXPECT_EQ(game.model().tangram(), 4);
}

// Background and pattern mode outside their ranges are kept as stored but used within range.
TEST(Startup, OutOfRangeBackgroundAndPatternModeAreUsedInRange) {
    TestGame game;
    game.store("tongue", "0");
    game.store("back", "9");
    game.store("patmode", "-2");
    game.start();
    EXPECT_FALSE(game.windows.patternShown);
    EXPECT_EQ(game.screen().pixelColor(game.pixelIn(1, convexSquare()[0], GrabZone::Move)),
              QColor(160, 160, 160));
    EXPECT_EQ(game.form().windowTitle(), "Pivolet V3.1 - Category: Humans - Tangram: 1");
    game.windows.answers = {DialogAnswer::Yes};
    ASSERT_TRUE(game.close());
    EXPECT_EQ(game.stored("back"), "9");
    EXPECT_EQ(game.stored("patmode"), "-2");
}

// Without pivo.dat, or with a category the data file leaves empty, the game says why and ends
// without writing anything.
TEST(Startup, UnusableCatalogueEndsTheGame) {
    TestGame missing;
    missing.removeCatalogue();
    EXPECT_FALSE(missing.create());
    ASSERT_EQ(missing.windows.messages.size(), 1u);
    EXPECT_EQ(missing.windows.messages[0].kind, MessageKind::Notice);
    EXPECT_EQ(missing.windows.messages[0].text, "Can't find file pivo.dat. Program aborted.");

    TestGame german;
    german.store("tongue", "1");
    german.removeCatalogue();
    EXPECT_FALSE(german.create());
    EXPECT_EQ(german.windows.messages.at(0).text,
              "Datei pivo.dat konnte nicht gefunden werden. Programm wird abgebrochen.");

    TestGame empty;
    std::vector<std::uint8_t> bytes = record(0, convexSquare());
    const auto animals = record(1, convexSquare());
    bytes.insert(bytes.end(), animals.begin(), animals.end());
    empty.writeCatalogue(bytes);
    EXPECT_FALSE(empty.create());
    EXPECT_EQ(empty.windows.messages.at(0).text.toStdString(), texts::emptyCategory(Language::NotChosen, 2));
    EXPECT_TRUE(empty.stored("level").isNull());

    TestGame none;
    none.writeCatalogue({});
    EXPECT_FALSE(none.create());
    EXPECT_EQ(none.windows.messages.at(0).text.toStdString(), texts::emptyCategory(Language::NotChosen, 0));
}

// Once the window is up, its timer asks the music every second to restart a piece that has ended.
TEST(Startup, TimerKeepsTheMusicGoing) {
    TestGame game;
    game.store("tongue", "0");
    QElapsedTimer clock;
    clock.start();
    game.start();
    EXPECT_EQ(game.music.keepAlives, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.music.keepAlives > 0; }, 3000));
    EXPECT_GE(clock.elapsed(), 900) << "a second, not sooner";
    EXPECT_EQ(game.music.keepAlives, 1);
}

// A stored game whose file is gone starts without a game, and the close writes the name empty.
TEST(Startup, DeletedSavedGameIsForgotten) {
    TestGame game;
    game.store("tongue", "0");
    game.store("game", "gone");
    game.start();
    EXPECT_TRUE(game.progress.gameName.empty());
    EXPECT_TRUE(game.windows.messages.empty());
    ASSERT_TRUE(game.close());
    EXPECT_EQ(game.stored("game"), "");
}

// Closing while maximised writes every setting but the window size; a No to the question writes nothing.
TEST(Startup, MaximisedCloseKeepsTheStoredSize) {
    TestGame game;
    game.store("tongue", "0");
    game.start();
    game.windows.answers = {DialogAnswer::No};
    EXPECT_FALSE(game.close());
    EXPECT_TRUE(game.stored("sound").isNull());
    game.form().showMaximized();
    ASSERT_TRUE(game.close());
    EXPECT_EQ(game.stored("sound"), "1");
    EXPECT_TRUE(game.stored("wid").isNull());
    EXPECT_TRUE(game.stored("hig").isNull());
    EXPECT_FALSE(game.stored("MainForm").isNull());
}

}  // namespace
}  // namespace pivo::testing
