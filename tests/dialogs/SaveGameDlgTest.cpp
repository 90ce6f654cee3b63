#include "ModalTest.h"

#include "model/Preferences.h"
#include "resources/ImageButton.h"
#include "dialogs/SaveGameDlg.h"

#include <QLineEdit>
#include <QTest>

using namespace pivo;

namespace {

class SaveGameDlgTest : public ModalTest {
protected:
    Preferences preferences;
    TSaveGameDlg dlg{preferences, nullptr};
};

}  // namespace

// The field shows the game's name wholly selected; OK without editing gives the same name back.
TEST_F(SaveGameDlgTest, ShowsTheNameSelected) {
    std::string name = "summer";
    QString shown, selected;
    whenOpen([&] {
        shown = dlg.nameEdit()->text();
        selected = dlg.nameEdit()->selectedText();
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(dlg.askName(name));
    EXPECT_EQ(shown, QStringLiteral("summer"));
    EXPECT_EQ(selected, QStringLiteral("summer"));
    EXPECT_EQ(name, "summer");
}

// Typing replaces the selected old name; the text is taken unchanged, blanks included.
TEST_F(SaveGameDlgTest, TypingReplacesTheName) {
    std::string name = "summer";
    whenOpen([&] {
        QTest::keyClicks(dlg.nameEdit(), QStringLiteral(" winter "));
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(dlg.askName(name));
    EXPECT_EQ(name, " winter ");
}

// A cleared field gives an empty name on OK (the save then does not happen).
TEST_F(SaveGameDlgTest, ClearedFieldGivesEmptyName) {
    std::string name = "summer";
    whenOpen([&] {
        QTest::keyClick(dlg.nameEdit(), Qt::Key_Delete);
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(dlg.askName(name));
    EXPECT_EQ(name, "");
}

// The cross cancels and keeps the old name; Enter and Esc belong to the field and close nothing.
TEST_F(SaveGameDlgTest, CancelKeepsTheName) {
    std::string name = "summer";
    bool stillOpen = false;
    whenOpen([&] {
        QTest::keyClicks(dlg.nameEdit(), QStringLiteral("autumn"));
        QTest::keyClick(dlg.nameEdit(), Qt::Key_Return);
        QTest::keyClick(dlg.nameEdit(), Qt::Key_Escape);
        stillOpen = dlg.isVisible();
        QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(dlg.askName(name));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(name, "summer");
}

// Question and hints follow the language; only the tick shows its hint.
TEST_F(SaveGameDlgTest, TextsInBothLanguages) {
    std::string name;
    const auto open = [&] {
        whenOpen([&] { QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton); });
        dlg.askName(name);
    };
    preferences.language = Language::German;
    open();
    EXPECT_EQ(dlg.question(), QStringLiteral("Unter welchem Namen soll ich das Spiel speichern?"));
    EXPECT_EQ(dlg.okButton()->toolTip(), QStringLiteral("Name akzeptieren"));
    EXPECT_EQ(dlg.cancelButton()->hint(), QStringLiteral("Eingabe abbrechen"));
    EXPECT_TRUE(dlg.cancelButton()->toolTip().isEmpty());
    preferences.language = Language::English;
    open();
    EXPECT_EQ(dlg.question(), QStringLiteral("Enter the name of the game to save!"));
    EXPECT_EQ(dlg.okButton()->toolTip(), QStringLiteral("Accept name"));
    EXPECT_EQ(dlg.cancelButton()->hint(), QStringLiteral("Cancel input"));
}

// The layout: 357 x 187, the field at (24, 75) 309 x 26, the buttons at (240, 128) and (296, 127).
TEST_F(SaveGameDlgTest, Layout) {
    EXPECT_EQ(dlg.size(), QSize(357, 187));
    EXPECT_EQ(QRect(dlg.nameEdit()->mapTo(&dlg, QPoint()), dlg.nameEdit()->size()), QRect(24, 75, 309, 26));
    EXPECT_EQ(dlg.cancelButton()->mapTo(&dlg, QPoint()), QPoint(240, 128));
    EXPECT_EQ(dlg.okButton()->mapTo(&dlg, QPoint()), QPoint(296, 127));
}
