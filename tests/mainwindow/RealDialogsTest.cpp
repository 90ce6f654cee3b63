#include "TestGame.h"

#include "resources/ImageButton.h"
#include "dialogs/PatForm.h"
#include "dialogs/SaveGameDlg.h"
#include "dialogs/TongueDlg.h"
#include "dialogs/YesNoDlg.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace pivo::testing {
namespace {

/// Plays the player's part in the modal dialogs: each dialog that opens is looked at, then answered.
class ModalAnswers {
public:
    using Answer = std::function<void(QWidget* dialog)>;

    ModalAnswers() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible() || script_.empty()) return;
            const Answer answer = script_.front();
            script_.pop_front();
            ++answered;
            answer(dialog);
        });
        timer_.start();
    }
    void then(Answer answer) { script_.push_back(std::move(answer)); }

    int answered = 0;

private:
    QTimer timer_;
    std::deque<Answer> script_;
};

QString messageOf(QWidget* dialog) {
    auto* message = qobject_cast<TYesNoDlg*>(dialog);
    return message ? message->messageText() : QString("(not the message dialog)");
}

// With the game's own windows: the language question at the first start, the pattern window's title
// and the solved notice follow the language chosen.
TEST(RealDialogs, GermanFirstStartSolvedNoticeAndPatternTitle) {
    TestGame game(true);
    ModalAnswers player;
    player.then([](QWidget* dialog) { qobject_cast<TTongueDlg*>(dialog)->germanButton()->click(); });
    game.start();
    QTest::qWait(50);
    ASSERT_EQ(player.answered, 1);
    EXPECT_EQ(game.preferences.language, Language::German);
    TPatForm* pattern = game.realWindows->patternWindow();
    ASSERT_TRUE(pattern->isVisible());
    EXPECT_EQ(pattern->windowTitle(), "Menschen-1");
    EXPECT_EQ(game.form().windowTitle(), "Pivolet V3.1");

    QString notice;
    bool oneButton = false;
    player.then([&](QWidget* dialog) {
        notice = messageOf(dialog);
        oneButton = !qobject_cast<TYesNoDlg*>(dialog)->noButtonShown();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    for (int tan = 1; tan <= TanCount; ++tan) game.lay(tan, convexSquare()[tan - 1]);
    EXPECT_EQ(notice, "Hurra, geschafft!");
    EXPECT_TRUE(oneButton);
    EXPECT_EQ(pattern->windowTitle(), "Menschen-1(gelöst)");
}

// In English: the pattern window names the tangram, the solved notice cheers, the close asks first.
TEST(RealDialogs, EnglishSolvedNoticePatternTitleAndCloseQuestion) {
    TestGame game(true);
    game.store("tongue", "0");
    game.store("level", "3");
    ModalAnswers player;
    game.start();
    TPatForm* pattern = game.realWindows->patternWindow();
    EXPECT_EQ(pattern->windowTitle(), "Humans-2");
    for (int i = 0; i < 7; ++i) game.form().button(ToolButton::Tip)->click();
    EXPECT_EQ(pattern->windowTitle(), "Humans-2(dropped)");

    game.form().button(ToolButton::Up)->click();
    QString notice;
    player.then([&](QWidget* dialog) {
        notice = messageOf(dialog);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    for (int tan = 1; tan <= TanCount; ++tan) game.lay(tan, convexTriangle()[tan - 1]);
    EXPECT_EQ(notice, "Hurrah, you did it!");
    EXPECT_EQ(pattern->windowTitle(), "Humans-3(solved)");

    QString question;
    player.then([&](QWidget* dialog) {
        question = messageOf(dialog);
        QTest::keyClick(dialog, Qt::Key_N);
    });
    EXPECT_FALSE(game.close());
    EXPECT_EQ(question, "Do you really want to go?");
}

// The closed game leaves no window behind that would refuse to close and so keep the game running.
TEST(RealDialogs, ClosedGameLeavesNoWindowOpen) {
    TestGame game(true);
    game.store("tongue", "0");
    game.start();
    TPatForm* pattern = game.realWindows->patternWindow();
    ASSERT_TRUE(pattern->isVisible());
    ModalAnswers player;
    player.then([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Y); });
    ASSERT_TRUE(game.close());
    EXPECT_FALSE(pattern->isVisible());
    EXPECT_TRUE(pattern->close());
}

// The dialogs wait for the main window's first frame; a tool-bar press before it has them made, in
// their order, and reaches a real dialog.
TEST(RealDialogs, AToolBarPressBeforeTheFirstFrameFindsTheDialogsMade) {
    TestGame game(true);
    game.store("tongue", "0");
    game.store("pleft", "123");
    game.store("ptop", "45");
    ASSERT_TRUE(game.create());
    EXPECT_EQ(game.realWindows->patternWindow(), nullptr);
    EXPECT_EQ(game.realWindows->patternWindowPosition(), QPoint(123, 45));
    ModalAnswers player;
    QString shown;
    player.then([&](QWidget* dialog) {
        shown = dialog->metaObject()->className();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    game.form().button(ToolButton::Stat)->click();
    EXPECT_EQ(shown, "pivo::TStatDlg");
    EXPECT_NE(game.realWindows->patternWindow(), nullptr);
}

// Closing with unsaved progress: the quit question, then the save dialog names the game; the next
// start reopens it.
TEST(RealDialogs, CloseSavesTheGameUnderANameAndTheNextStartReopensIt) {
    TestGame game(true);
    game.store("tongue", "0");
    game.start();
    game.form().button(ToolButton::Tip)->click();
    game.form().button(ToolButton::Tip)->click();

    ModalAnswers player;
    QString question;
    player.then([&](QWidget* dialog) {
        question = messageOf(dialog);
        QTest::keyClick(dialog, Qt::Key_Y);
    });
    player.then([](QWidget* dialog) {
        auto* save = qobject_cast<TSaveGameDlg*>(dialog);
        ASSERT_NE(save, nullptr);
        save->nameEdit()->setText("anna");
        save->okButton()->click();
    });
    ASSERT_TRUE(game.close());
    EXPECT_EQ(question, "Do you really want to go?");
    EXPECT_EQ(player.answered, 2);
    QFile saved(QString::fromStdString(game.folder() + "games/anna.pvg"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    ASSERT_EQ(bytes.size(), 3000);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(game.stored("game"), "anna");

    game.restart();
    EXPECT_EQ(game.progress.gameName, "anna");
    EXPECT_EQ(game.progress.status(1).tipLevel(), 2);
    EXPECT_EQ(game.board().tans()[1], convexSquare()[1]);
}

}  // namespace
}  // namespace pivo::testing
