#include "TestGame.h"

#include "dialogs/AboutDlg.h"
#include "resources/BitmapIndex.h"
#include "mainwindow/BoardColours.h"
#include "resources/DialogChrome.h"
#include "resources/DlgResources.h"
#include "resources/ImageButton.h"
#include "dialogs/PatForm.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace pivo::testing {
namespace {

// The select, options and information buttons with the game's own windows.
class DialogCommands : public ::testing::Test {
protected:
    void startWith(int patmode, int background = 0) {
        game.store("level", "1");
        game.store("group", "0");
        game.store("tongue", "0");
        game.store("patmode", QString::number(patmode));
        game.store("back", QString::number(background));
        game.start();
    }

    // Presses a tool-bar button and plays the player's part in the dialog it opens; a dialog the
    // part leaves open is closed, and counts as a failure.
    void inDialog(ToolButton which, const std::function<void(QWidget*)>& part) {
        bool ran = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (ran || !dialog || !dialog->isVisible()) return;
            ran = true;
            part(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->close();
            }
        });
        poll.start();
        game.form().button(which)->click();
        EXPECT_TRUE(ran);
    }

    static ImageButton* button(QWidget* dialog, const char* name) {
        return dialog->findChild<ImageButton*>(QString::fromLatin1(name));
    }

    QString caption() { return game.form().windowTitle(); }
    QColor mainPixel(QPoint at) { return game.form().grab().toImage().pixelColor(at); }
    static QColor stylePixel(int style, QPoint at) {
        return TDlgResources::shared().mainBitmaps().at(bmp::mainwin::Background + style).toImage().pixelColor(at);
    }
    // Pixels of the board in the silhouette's grey.
    int greyPixels() {
        const QImage shot = game.screen();
        int count = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) count += shot.pixelColor(x, y) == colours::Grey;
        return count;
    }

    TestGame game{true};
};

// A category changed in the selection dialog is on the board, and in the caption, while the dialog
// is still open, and stays after Cancel; a click on a thumbnail then picks that tangram.
TEST_F(DialogCommands, SelectionChangesCategoryAndPicks) {
    startWith(0);
    int boardWhileOpen = 0;
    QString captionWhileOpen;
    inDialog(ToolButton::Select, [&](QWidget* dialog) {
        QTest::mousePress(button(dialog, "CatBtn"), Qt::LeftButton);
        boardWhileOpen = game.board().currentTangram();
        captionWhileOpen = caption();
        QTest::mouseClick(button(dialog, "CancelBtn"), Qt::LeftButton);
    });
    EXPECT_EQ(boardWhileOpen, 2);
    EXPECT_EQ(captionWhileOpen, "Pivolet V3.1 - Category: Animals - Tangram: 1");
    EXPECT_EQ(game.model().category(), 1);
    EXPECT_EQ(game.model().tangram(), 2);
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Animals - Tangram: 1");

    // Category 1 holds entries 2 and 4: the second cell is number 2, entry 4.
    inDialog(ToolButton::Select, [&](QWidget* dialog) {
        QTest::mousePress(dialog->findChild<QWidget*>("box"), Qt::LeftButton, {}, QPoint(130, 10));
    });
    EXPECT_EQ(game.model().tangram(), 4);
    EXPECT_EQ(game.board().currentTangram(), 4);
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Animals - Tangram: 2");
}

// Every press in the options dialog takes effect at once: language of the hints, caption and
// pattern window; the background of window and tool bar; the pattern window and the board's
// silhouette; the sound switch.
TEST_F(DialogCommands, OptionsTakeEffectAtOnce) {
    startWith(2, 5);
    TPatForm* pattern = game.realWindows->patternWindow();
    ASSERT_TRUE(pattern->isVisible());
    ASSERT_NE(stylePixel(0, {5, 65}), stylePixel(5, {5, 65}));
    EXPECT_EQ(mainPixel({5, 65}), stylePixel(5, {5, 65}));

    QString hint;
    QString title;
    QColor window;
    QColor toolBar;
    std::vector<bool> shown;
    std::vector<QSize> sizes;
    std::vector<int> grey;
    inDialog(ToolButton::Option, [&](QWidget* dialog) {
        button(dialog, "TongueBtn")->click();
        hint = game.form().button(ToolButton::Select)->hint();
        title = pattern->windowTitle();
        button(dialog, "BackBtn")->click();
        window = mainPixel({5, 65});
        toolBar = mainPixel({160, 3});
        for (int press = 0; press < 4; ++press) {
            button(dialog, "PatBtn")->click();
            shown.push_back(pattern->isVisible());
            sizes.push_back(pattern->clientRect().size());
            grey.push_back(greyPixels());
        }
        button(dialog, "SoundBtn")->click();
        EXPECT_FALSE(button(dialog, "MusicBtn")->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(hint, QStringLiteral("Ich probier ein anderes Tangram."));
    EXPECT_EQ(title, QStringLiteral("Menschen-1"));
    EXPECT_EQ(game.preferences.background, 0);
    EXPECT_EQ(window, stylePixel(0, {5, 65}));
    EXPECT_EQ(toolBar, stylePixel(0, {160, 3}));
    // Modes 3, 0, 1, 2: the window hides for 0, and only then does the board draw the silhouette.
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(sizes[0], patternClientSize(3));
    EXPECT_EQ(sizes[2], patternClientSize(1));
    EXPECT_EQ(sizes[3], patternClientSize(2));
    EXPECT_EQ(grey[0], 0);
    EXPECT_GT(grey[1], 0);
    EXPECT_EQ(grey[2], 0);
    EXPECT_EQ(game.preferences.patternMode, 2);
    EXPECT_EQ(game.music.soundToggles, 1);
    EXPECT_EQ(caption(), "Pivolet V3.1");
}

// The information button opens the about window over the main window; the tick, Enter or Esc closes it.
TEST_F(DialogCommands, AboutWindow) {
    startWith(2);
    for (int way = 0; way < 3; ++way) {
        bool about = false;
        QPoint at;
        inDialog(ToolButton::Info, [&](QWidget* dialog) {
            about = dynamic_cast<TAboutDlg*>(dialog) != nullptr;
            at = dialog->pos();
            EXPECT_TRUE(dialog->windowFlags() & Qt::FramelessWindowHint);
            EXPECT_EQ(dialog->findChild<RaisedLabel*>("ProgLabel")->text(), "Pivolet");
            EXPECT_EQ(dialog->findChild<RaisedLabel*>("VersionLabel")->text(), "Version  V3.1");
            if (way == 0) QTest::mouseClick(button(dialog, "OKBtn"), Qt::LeftButton);
            if (way == 1) QTest::keyClick(dialog, Qt::Key_Return);
            if (way == 2) QTest::keyClick(dialog, Qt::Key_Escape);
        });
        EXPECT_TRUE(about);
        EXPECT_EQ(at, dialogPosition(game.form().frameGeometry(), game.form().height(), {400, 230}));
    }
}

}  // namespace
}  // namespace pivo::testing
