#include "ModalTest.h"

#include "model/Preferences.h"
#include "resources/ImageButton.h"
#include "dialogs/LoadGameDlg.h"
#include "model/SavedGames.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace pivo;

namespace {

class LoadGameDlgTest : public ModalTest {
protected:
    QTemporaryDir folder;
    Preferences preferences;
    SavedGames games{folder.path().toStdString() + "/"};
    TLoadGameDlg dlg{preferences, games, nullptr};

    void addGame(const QString& name) {
        QDir(folder.path()).mkpath(QStringLiteral("games"));
        QFile file(folder.path() + QStringLiteral("/games/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(3000, '\0'));
    }

    QStringList lines() const {
        QStringList result;
        for (int row = 0; row < dlg.nameList()->count(); ++row) result << dlg.nameList()->item(row)->text();
        return result;
    }

    void clickLine(int row) {
        QListWidget* list = dlg.nameList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
};

}  // namespace

// The list holds the saved games' names without ".pvg"; other files are not listed. A click picks.
TEST_F(LoadGameDlgTest, ListsTheSavedGames) {
    addGame(QStringLiteral("a.pvg"));
    addGame(QStringLiteral("b.pvg"));
    addGame(QStringLiteral("notes.txt"));
    QStringList shown;
    whenOpen([&] {
        shown = lines();
        clickLine(1);
    });
    std::string name = "old";
    EXPECT_TRUE(dlg.pick(name));
    shown.sort();
    EXPECT_EQ(shown, QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(name, lines().at(1).toStdString());
}

// The first arrow key in the list picks the first line at once.
TEST_F(LoadGameDlgTest, FirstArrowKeyPicksFirstLine) {
    addGame(QStringLiteral("a.pvg"));
    addGame(QStringLiteral("b.pvg"));
    whenOpen([&] { QTest::keyClick(dlg.nameList(), Qt::Key_Down); });
    std::string name;
    EXPECT_TRUE(dlg.pick(name));
    EXPECT_EQ(name, lines().at(0).toStdString());
}

// Without saved games the list holds the placeholder line in the player's language; choosing it
// cancels and keeps the name.
TEST_F(LoadGameDlgTest, PlaceholderCancels) {
    for (Language lang : {Language::English, Language::German, Language::NotChosen}) {
        preferences.language = lang;
        QStringList shown;
        whenOpen([&] {
            shown = lines();
            clickLine(0);
        });
        std::string name = "summer";
        EXPECT_FALSE(dlg.pick(name));
        EXPECT_EQ(name, "summer");
        EXPECT_EQ(shown, QStringList({lang == Language::German ? QStringLiteral("Kein Spiel vorhanden")
                                                : QStringLiteral("No game available")}));
    }
}

// An empty games folder is the same as none.
TEST_F(LoadGameDlgTest, EmptyFolderGivesPlaceholder) {
    QDir(folder.path()).mkpath(QStringLiteral("games"));
    whenOpen([&] { QTest::keyClick(dlg.nameList(), Qt::Key_Down); });
    std::string name = "summer";
    EXPECT_FALSE(dlg.pick(name));
    EXPECT_EQ(lines(), QStringList({QStringLiteral("No game available")}));
}

// The cross cancels; each opening lists the folder afresh.
TEST_F(LoadGameDlgTest, CancelAndRelist) {
    whenOpen([&] { QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton); });
    std::string name = "summer";
    EXPECT_FALSE(dlg.pick(name));
    EXPECT_EQ(name, "summer");
    addGame(QStringLiteral("winter.pvg"));
    whenOpen([&] { QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton); });
    EXPECT_FALSE(dlg.pick(name));
    EXPECT_EQ(lines(), QStringList({QStringLiteral("winter")}));
    EXPECT_EQ(name, "summer");
}

// Question and the cross's hint follow the language.
TEST_F(LoadGameDlgTest, TextsInBothLanguages) {
    std::string name;
    preferences.language = Language::German;
    whenOpen([&] { QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton); });
    dlg.pick(name);
    EXPECT_EQ(dlg.question(), QStringLiteral("Welches Spiel soll geladen werden?"));
    // The question shows whole even where it runs past its designed width.
    const QLabel* label = dlg.findChild<QLabel*>();
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_EQ(dlg.cancelButton()->toolTip(), QStringLiteral("Kein Spiel laden"));
    preferences.language = Language::English;
    whenOpen([&] { QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton); });
    dlg.pick(name);
    EXPECT_EQ(dlg.question(), QStringLiteral("What game shall be loaded?"));
    EXPECT_EQ(dlg.cancelButton()->toolTip(), QStringLiteral("Don't load any game"));
}

// The layout: 357 x 416, the list at (24, 52) 309 x 281 with 19-pixel lines, the cross at (296, 356).
TEST_F(LoadGameDlgTest, Layout) {
    addGame(QStringLiteral("a.pvg"));
    std::string name;
    whenOpen([&] { QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton); });
    dlg.pick(name);
    EXPECT_EQ(dlg.size(), QSize(357, 416));
    QListWidget* list = dlg.nameList();
    EXPECT_EQ(QRect(list->mapTo(&dlg, QPoint()), list->size()), QRect(24, 52, 309, 281));
    EXPECT_EQ(list->visualItemRect(list->item(0)).height(), 19);
    EXPECT_EQ(dlg.cancelButton()->mapTo(&dlg, QPoint()), QPoint(296, 356));
}
