#include "TestGame.h"

#include "mainwindow/BoardBox.h"
#include "resources/DlgResources.h"
#include "resources/ImageButton.h"

#include <QPainter>
#include <QtMath>

#include <gtest/gtest.h>

namespace pivo::testing {
namespace {

const QColor Black(0, 0, 0);
const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);
const QColor Silver(192, 192, 192);
const QColor SilhouetteGrey(160, 160, 160);

class Play : public ::testing::Test {
protected:
    void SetUp() override {
        game.store("tongue", "0");
        game.store("patmode", "0");
        game.start();
    }

    TestGame game;
};

// A figure laid tan by tan with the mouse, anywhere on the board, solves the tangram: green, tune, notice.
TEST_F(Play, LayingTheWholeFigureSolvesIt) {
    ASSERT_EQ(game.model().tangram(), 1);
    EXPECT_EQ(game.screen().pixelColor(game.pixelIn(1, convexSquare()[0], GrabZone::Move)), SilhouetteGrey);
    // Laid three units left of the silhouette: the check compares shapes, not places.
    for (int tan = 1; tan <= TanCount; ++tan) {
        TanPlacement target = convexSquare()[tan - 1];
        target.x -= 3;
        game.lay(tan, target);
        ASSERT_EQ(game.board().tans()[tan - 1], target) << "tan " << tan;
        ASSERT_EQ(game.board().liftedTan(), 0) << "tan " << tan;
        if (tan < TanCount) {
            ASSERT_EQ(game.board().playState(), PlayState::Playing);
        }
    }
    EXPECT_EQ(game.board().playState(), PlayState::Solved);
    for (int tan = 1; tan <= TanCount; ++tan) EXPECT_EQ(game.colourOfTan(tan), Green) << "tan " << tan;
    EXPECT_EQ(game.sound.played.back(), SolvedSound);
    ASSERT_EQ(game.windows.kinds(), std::vector<MessageKind>{MessageKind::Solved});
    EXPECT_TRUE(game.progress.status(1).finished());
    EXPECT_TRUE(game.progress.gameModified);
    EXPECT_EQ(game.form().windowTitle(), "Pivolet V3.1 - Category: Humans - Tangram: 1 (solved)");
    // Every sound of handling a tan was heard on the way.
    for (int effect : {PickUpSound, PutDownSound, TurnSound, MoveSound})
        EXPECT_NE(std::find(game.sound.played.begin(), game.sound.played.end(), effect), game.sound.played.end())
            << "effect " << effect;
    // A solved board ignores the mouse.
    game.click(Qt::LeftButton, game.pixelIn(1, game.board().tans()[0], GrabZone::Move));
    EXPECT_EQ(game.board().liftedTan(), 0);
}

// A lifted tan is shown only as an outline; put down on a lying tan it is refused and stays lifted.
TEST_F(Play, PutDownOnALyingTanIsRefused) {
    const TanPlacement square = game.board().tans()[5];
    const QPoint grab = game.pixelIn(6, square, GrabZone::Move);
    game.press(Qt::LeftButton, grab);
    ASSERT_EQ(game.board().liftedTan(), 6);
    EXPECT_EQ(game.sound.played, std::vector<int>{PickUpSound});
    EXPECT_EQ(game.screen().pixelColor(grab), Silver);
    EXPECT_TRUE(game.outlineVisible());

    // Onto the large triangle in the top left corner.
    const TanPlacement large = game.board().tans()[3];
    game.dragTo(grab + QPoint(large.x + 2 - square.x, large.y + 2 - square.y) * game.unit());
    game.release(grab);
    const TanPlacement over = game.board().tans()[5];
    ASSERT_NE(over, square);
    game.click(Qt::LeftButton, game.emptyPixel());
    EXPECT_EQ(game.sound.played.back(), RefusedSound);
    EXPECT_EQ(game.board().liftedTan(), 6);
    EXPECT_EQ(game.board().tans()[5], over);
    EXPECT_TRUE(game.outlineVisible());

    // Back where it came from it goes down, black again, and the outline is gone.
    const QPoint at = game.pixelIn(6, over, GrabZone::Move);
    game.press(Qt::LeftButton, at);
    game.dragTo(at + QPoint(square.x - over.x, square.y - over.y) * game.unit());
    game.click(Qt::LeftButton, game.emptyPixel());
    EXPECT_EQ(game.sound.played.back(), PutDownSound);
    EXPECT_EQ(game.board().liftedTan(), 0);
    EXPECT_EQ(game.colourOfTan(6), Black);
    EXPECT_FALSE(game.outlineVisible());
}

// The cursor over a lifted tan shows whether a drag moves it or turns it; beside it the hand.
TEST_F(Play, CursorFollowsTheZonesOfTheLiftedTan) {
    const TanPlacement large = game.board().tans()[3];
    game.press(Qt::LeftButton, game.pixelIn(4, large, GrabZone::Move));
    const QImage moveShape = TDlgResources::shared().moveCursor().bitmap().toImage();
    const QImage turnShape = TDlgResources::shared().turnCursor().bitmap().toImage();
    ASSERT_NE(moveShape, turnShape);

    game.hover(game.pixelIn(4, large, GrabZone::Turn));
    EXPECT_EQ(game.form().box()->cursor().bitmap().toImage(), turnShape);
    game.hover(game.pixelIn(4, large, GrabZone::Move));
    EXPECT_EQ(game.form().box()->cursor().bitmap().toImage(), moveShape);
    game.hover(game.emptyPixel());
    EXPECT_EQ(game.form().box()->cursor().shape(), Qt::PointingHandCursor);
}

// Each tip lays one more tan of the solution; the seventh gives the tangram up, red and frozen.
TEST_F(Play, TipsLeadToTheGivenUpState) {
    ImageButton* tip = game.form().button(ToolButton::Tip);
    ASSERT_TRUE(tip->isEnabled());
    for (int level = 1; level <= 6; ++level) {
        tip->click();
        EXPECT_EQ(game.progress.status(1).tipLevel(), level);
        EXPECT_EQ(game.board().tans()[level - 1], convexSquare()[level - 1]);
        EXPECT_EQ(game.colourOfTan(level), Black);
    }
    EXPECT_EQ(game.board().tans()[6], startPlacement()[6]);
    tip->click();
    EXPECT_EQ(game.progress.status(1).value, 15);
    EXPECT_EQ(game.board().playState(), PlayState::GivenUp);
    for (int tan = 1; tan <= TanCount; ++tan) EXPECT_EQ(game.colourOfTan(tan), Red) << "tan " << tan;
    EXPECT_EQ(game.form().windowTitle(), "Pivolet V3.1 - Category: Humans - Tangram: 1 (dropped)");
    EXPECT_TRUE(game.sound.played.empty());
    EXPECT_TRUE(game.progress.gameModified);

    tip->click();
    EXPECT_EQ(game.progress.status(1).value, 15);
    game.click(Qt::LeftButton, game.pixelIn(1, game.board().tans()[0], GrabZone::Move));
    EXPECT_EQ(game.board().liftedTan(), 0);

    // Set up again, a finished tangram waits on the start places with the tip button disabled.
    game.form().UpBtnClick();
    game.form().DnBtnClick();
    EXPECT_EQ(game.board().tans(), startPlacement());
    EXPECT_FALSE(tip->isEnabled());
}

// After every press, drag, put-down, refusal and tip the board shows exactly what a board painted
// afresh from the model shows: the rectangles repainted after each change leave nothing stale.
TEST_F(Play, TheBoardAlwaysShowsTheModel) {
    BoardBox* box = game.form().box();
    const auto afresh = [&] {
        BoardBox fresh(game.board());
        fresh.setSilhouetteShown(true);
        fresh.resize(box->size());
        fresh.repaintBoard();
        return fresh.grab().toImage();
    };
    for (int tan : {6, 3, 7}) {
        TanPlacement target = convexSquare()[tan - 1];
        target.x -= 3;
        game.lay(tan, target);
        ASSERT_EQ(game.board().tans()[tan - 1], target);
        EXPECT_EQ(game.screen(), afresh()) << "tan " << tan << " laid";
    }
    // Lifted over the square laid before, and refused there: the outline crosses a lying tan.
    const TanPlacement large = game.board().tans()[3];
    const QPoint grab = game.pixelIn(4, large, GrabZone::Move);
    game.press(Qt::LeftButton, grab);
    const TanPlacement square = game.board().tans()[5];
    game.dragTo(grab + QPoint(square.x - large.x, square.y - large.y) * game.unit());
    EXPECT_EQ(game.screen(), afresh()) << "dragged over the square";
    game.click(Qt::LeftButton, game.emptyPixel());
    ASSERT_EQ(game.sound.played.back(), RefusedSound);
    EXPECT_EQ(game.screen(), afresh()) << "refused";
    game.form().button(ToolButton::Tip)->click();
    EXPECT_EQ(game.screen(), afresh()) << "tip while lifted";
    for (int tip = 2; tip <= 7; ++tip) game.form().button(ToolButton::Tip)->click();
    ASSERT_EQ(game.board().playState(), PlayState::GivenUp);
    EXPECT_EQ(game.screen(), afresh()) << "given up";
}

// A repaint covers every pixel the outline's pen touched, also on screens that draw more than one pixel
// per board pixel: what it misses stays behind as a trail when the lifted tan moves.
TEST(BoardPen, AreaHoldsEveryPixelOfTheOutlineAtAnyPixelRatio) {
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        for (int tan = 1; tan <= TanCount; ++tan) {
            for (const std::uint8_t orientation : {0, 3, 8, 13, 21}) {
                QPolygon outline = tanPolygonAt(tan, TanPlacement{60, 40, orientation}, 6);
                outline << outline.first();
                const QRect area = penArea(outline);
                QImage image(QSize(800, 560) * ratio, QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::transparent);
                QPainter painter(&image);
                painter.setPen(QColor(Qt::yellow));
                painter.drawPolyline(outline);
                painter.end();
                const QRect covered(QPoint(qFloor(area.left() * ratio), qFloor(area.top() * ratio)),
                                    QPoint(qCeil((area.right() + 1) * ratio) - 1, qCeil((area.bottom() + 1) * ratio) - 1));
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        if (qAlpha(image.pixel(x, y)) == 0) continue;
                        ASSERT_TRUE(covered.contains(x, y)) << "ratio " << ratio << ", tan " << tan << ", orientation "
                                                            << int{orientation} << ": pixel " << x << "," << y;
                    }
                }
            }
        }
    }
}

// With a pattern window the board shows no silhouette, only the tans on silver.
TEST(PlayWithPatternWindow, BoardShowsNoSilhouette) {
    TestGame game;
    game.store("tongue", "0");
    game.store("patmode", "1");
    game.start();
    EXPECT_TRUE(game.windows.patternShown);
    EXPECT_EQ(game.screen().pixelColor(game.pixelIn(1, convexSquare()[0], GrabZone::Move)), Silver);
    EXPECT_EQ(game.form().windowTitle(), "Pivolet V3.1");
}

}  // namespace
}  // namespace pivo::testing
