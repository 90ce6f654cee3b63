#include "TestGame.h"

#include "ImageButton.h"
#include "PatForm.h"
#include "TongueDlg.h"
#include "YesNoDlg.h"

#include <QApplication>
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
    EXPECT_EQ(game.state.languageFlag, 1);
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

}  // namespace
}  // namespace pivo::testing
