// Playing without a mouse: the keys and the wheel on the main window.

#include "TestGame.h"

#include "mainwindow/BoardBox.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>

namespace pivo::testing {
namespace {

class BoardKeys : public ::testing::Test {
protected:
    void SetUp() override {
        game.store("tongue", "0");
        game.store("patmode", "0");
        game.start();
    }

    void key(Qt::Key which, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&game.form(), which, modifiers);
    }
    // The wheel over the board, by `delta` eighths of a degree (a notch is 120, away from the player).
    void wheel(int delta) {
        const QPointF at(game.emptyPixel());
        QWheelEvent event(at, game.form().box()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(game.form().box(), &event);
    }
    const TanPlacement& lifted() { return game.board().tans()[game.board().liftedTan() - 1]; }

    // Carries the lifted tan by the arrow keys, five units a press with Shift while the way is long.
    void carryTo(int x, int y) {
        const auto along = [&](int distance, Qt::Key less, Qt::Key more) {
            const Qt::Key way = distance < 0 ? less : more;
            for (int left = std::abs(distance); left > 0; left -= left >= 5 ? 5 : 1)
                key(way, left >= 5 ? Qt::ShiftModifier : Qt::NoModifier);
        };
        along(x - lifted().x, Qt::Key_Left, Qt::Key_Right);
        along(y - lifted().y, Qt::Key_Up, Qt::Key_Down);
    }
    // Brings the lifted tan to `target` through the middle of the board, where it may turn freely.
    void carryAndTurnTo(TanPlacement target) {
        carryTo(60, 40);
        if (lifted().orientation / 16 != target.orientation / 16) key(Qt::Key_M);
        const int clockwise = (target.orientation % 16 - lifted().orientation % 16 + 16) % 16;
        for (int k = 0; k < std::min(clockwise, 16 - clockwise); ++k)
            key(clockwise <= 8 ? Qt::Key_PageDown : Qt::Key_PageUp);
        carryTo(target.x, target.y);
    }

    TestGame game;
};

// Tab lifts the tans in turn, each time putting down the one laid; the arrows, Page Up and Down and M
// carry, turn and mirror it; Enter puts the last down: the figure is solved, green, with tune and
// notice. A solved board ignores the keys.
TEST_F(BoardKeys, AWholeFigureSolvedWithKeysOnly) {
    ASSERT_EQ(game.model().tangram(), 1);
    for (int tan = 1; tan <= TanCount; ++tan) {
        key(Qt::Key_Tab);
        ASSERT_EQ(game.board().liftedTan(), tan);
        EXPECT_TRUE(game.outlineVisible());
        carryAndTurnTo(convexSquare()[tan - 1]);
        ASSERT_EQ(lifted(), convexSquare()[tan - 1]) << "tan " << tan;
    }
    key(Qt::Key_Return);
    EXPECT_EQ(game.board().liftedTan(), 0);
    EXPECT_EQ(game.board().playState(), PlayState::Solved);
    for (int tan = 1; tan <= TanCount; ++tan) EXPECT_EQ(game.colourOfTan(tan), QColor(0, 255, 0)) << "tan " << tan;
    EXPECT_EQ(game.sound.played.back(), SolvedSound);
    EXPECT_EQ(game.windows.kinds(), std::vector<MessageKind>{MessageKind::Solved});
    EXPECT_TRUE(game.progress.status(1).finished());
    for (int effect : {PickUpSound, PutDownSound, TurnSound, MoveSound})
        EXPECT_NE(std::find(game.sound.played.begin(), game.sound.played.end(), effect), game.sound.played.end())
            << "effect " << effect;

    const std::size_t heard = game.sound.played.size();
    for (Qt::Key ignored : {Qt::Key_1, Qt::Key_Tab, Qt::Key_Left}) key(ignored);
    wheel(120);
    EXPECT_EQ(game.board().liftedTan(), 0);
    EXPECT_EQ(game.sound.played.size(), heard);
}

// At the board's edge a turn is refused silently; the wheel turns a lifted tan a step a notch, parts
// of a notch adding up; a put-down onto a lying tan is refused with effect 6 by Space and by a digit,
// which then lifts nothing, while Esc refuses silently; the tan stays lifted, its outline shown.
TEST_F(BoardKeys, RefusalsAndTheWheel) {
    key(Qt::Key_1);
    ASSERT_EQ(game.board().liftedTan(), 1);
    const TanPlacement corner = lifted();
    key(Qt::Key_PageDown);
    key(Qt::Key_PageUp);
    EXPECT_EQ(lifted(), corner);
    EXPECT_EQ(game.sound.played, std::vector<int>{PickUpSound});

    // The square is laid beside the silhouette, so that the outline over it shows on silver.
    key(Qt::Key_6);
    carryTo(25, 40);
    key(Qt::Key_Space);
    ASSERT_EQ(game.board().liftedTan(), 0);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(game.board().liftedTan(), 7);
    carryTo(25, 40);
    const int start = lifted().orientation;
    game.sound.played.clear();
    wheel(-120);
    EXPECT_EQ(lifted().orientation, start + 1) << "rolled towards the player: clockwise";
    wheel(60);
    wheel(60);
    wheel(120);
    EXPECT_EQ(lifted().orientation, start - 1);
    EXPECT_EQ(game.sound.played, (std::vector<int>{TurnSound, TurnSound, TurnSound}));

    game.sound.played.clear();
    key(Qt::Key_Space);
    key(Qt::Key_Escape);
    key(Qt::Key_2);
    EXPECT_EQ(game.sound.played, (std::vector<int>{RefusedSound, RefusedSound}));
    EXPECT_EQ(game.board().liftedTan(), 7);
    EXPECT_EQ(lifted().x, 25);
    EXPECT_TRUE(game.outlineVisible());
}

}  // namespace
}  // namespace pivo::testing
