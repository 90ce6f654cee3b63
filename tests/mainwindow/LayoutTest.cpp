#include "TestGame.h"

#include "resources/BitmapIndex.h"
#include "mainwindow/BoardBox.h"
#include "resources/DlgResources.h"
#include "resources/ImageButton.h"

#include <gtest/gtest.h>

namespace pivo::testing {
namespace {

// The board takes the largest whole unit that leaves a unit of margin, centred below the tool bar,
// and the four right-hand buttons follow the window's right edge.
TEST(Layout, ResizeChoosesWholeUnitsAndMovesTheRightButtons) {
    TestGame game;
    game.store("tongue", "0");
    game.start();
    game.form().resize(1300, 900);
    EXPECT_EQ(game.unit(), 10);  // min(1300 / 123, 840 / 83)
    EXPECT_EQ(game.form().box()->geometry(), QRect(45, 75, 1211, 811));  // (1300 - 1210) / 2, (840 - 810) / 2 + 60
    EXPECT_EQ(game.form().button(ToolButton::Exit)->pos(), QPoint(1248, 6));
    EXPECT_EQ(game.form().button(ToolButton::Rules)->pos(), QPoint(1196, 6));
    EXPECT_EQ(game.form().button(ToolButton::Info)->pos(), QPoint(1144, 6));
    EXPECT_EQ(game.form().button(ToolButton::Option)->pos(), QPoint(1092, 6));
    EXPECT_EQ(game.form().button(ToolButton::Up)->pos(), QPoint(322, 6));
    // The board is painted afresh at the new unit: tans where the model says, silver elsewhere.
    EXPECT_EQ(game.colourOfTan(4), QColor(0, 0, 0));
    EXPECT_EQ(game.screen().pixelColor(game.emptyPixel()), QColor(192, 192, 192));
}

// Window and tool bar show the tiles of the background style; a stored style beyond the six wraps.
TEST(Layout, BackgroundTilesFollowTheStyle) {
    TestGame game;
    game.store("tongue", "0");
    game.store("back", "9");
    game.start();
    const QImage style = TDlgResources::shared()
                             .mainBitmaps()
                             .at(bmp::mainwin::Background + 3)
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage shown = game.form().grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Below the tool bar, left of the board frame: the window tile, repeated every 100 pixels.
    for (QPoint p : {QPoint(10, 110), QPoint(30, 250), QPoint(60, 420)})
        EXPECT_EQ(shown.pixel(p), style.pixel(p.x() % 100, p.y() % 100)) << p.x() << "," << p.y();
    // In the tool bar between the buttons: the tool-bar tile, its top 60 rows.
    for (QPoint p : {QPoint(440, 3), QPoint(650, 30), QPoint(480, 57)})
        EXPECT_EQ(shown.pixel(p), style.pixel(100 + p.x() % 100, p.y())) << p.x() << "," << p.y();
}

}  // namespace
}  // namespace pivo::testing
