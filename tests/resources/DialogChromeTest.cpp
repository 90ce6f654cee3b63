#include "resources/BitmapIndex.h"
#include "resources/DialogChrome.h"
#include "resources/DlgResources.h"

#include <QImage>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace pivo;

// A dialog goes centred across the main window and centred on its client area from the bottom.
TEST(DialogPlacement, CentresOverTheMainWindow) {
    // Main window at (100, 50), outer 925 x 615, client height 576; the message dialog is 319 x 158.
    EXPECT_EQ(dialogPosition(QRect(100, 50, 925, 615), 576, QSize(319, 158)), QPoint(403, 298));
    // Odd sums lose their half: (925 - 320) / 2 = 302, (576 + 159) / 2 = 367.
    EXPECT_EQ(dialogPosition(QRect(0, 0, 925, 615), 576, QSize(320, 159)), QPoint(302, 248));
}

// The halving truncates toward zero, also when the dialog is wider than the main window.
TEST(DialogPlacement, TruncatesTowardZero) {
    // (200 - 319) / 2 is -59, not -60.
    EXPECT_EQ(dialogPosition(QRect(100, 0, 200, 300), 250, QSize(319, 158)).x(), 41);
    EXPECT_EQ(dialogPosition(QRect(-300, -20, 200, 300), 250, QSize(357, 187)), QPoint(-378, 62));
}

// A dialog goes where the rule puts it while that lies on the screen; over a main window partly off
// the screen it is moved, no further than it must, onto the screen.
TEST(DialogPlacement, StaysOnTheScreen) {
    QWidget main;
    main.setGeometry(40, 30, 600, 400);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QWidget dialog(nullptr, Qt::FramelessWindowHint);
    dialog.resize(544, 416);
    placeOverMainWindow(&dialog, &main);
    EXPECT_EQ(dialog.pos(), dialogPosition(main.frameGeometry(), main.height(), dialog.size()));

    const QRect area = main.screen()->availableGeometry();
    main.move(area.right() - 300, area.bottom() - 200);
    placeOverMainWindow(&dialog, &main);
    EXPECT_EQ(dialog.frameGeometry().bottomRight(), area.bottomRight());
    main.move(area.left() - 500, area.top() - 300);
    placeOverMainWindow(&dialog, &main);
    EXPECT_EQ(dialog.pos(), area.topLeft());
}

// A window without a visible main window is centred on the screen.
TEST(DialogPlacement, HiddenMainWindowCentresOnScreen) {
    QWidget main;
    main.setGeometry(10, 10, 400, 300);
    QWidget dialog;
    dialog.resize(300, 100);
    placeOverMainWindow(&dialog, &main);
    const QRect screen = dialog.screen()->geometry();
    EXPECT_EQ(dialog.pos(), QPoint(screen.x() + (screen.width() - 300) / 2, screen.y() + (screen.height() - 100) / 2));
}

// The stone panel: light bevel outside, then a black border, then the texture inside.
TEST(StonePanel, EdgeAndTexture) {
    const BitmapList& dlgs = TDlgResources::shared().dlgs();
    StonePanel panel(dlgs, bmp::DarkStone);
    panel.resize(100, 80);
    const QImage shot = panel.grab().toImage();
    EXPECT_GT(qGray(shot.pixel(0, 40)), 200);                 // raised bevel, lit side
    EXPECT_LT(qGray(shot.pixel(99, 40)), 110);                // raised bevel, shaded side
    for (int x = 2; x < 5; ++x) EXPECT_EQ(shot.pixel(x, 40), qRgb(0, 0, 0)) << x;
    const QImage texture = dlgs.at(bmp::DarkStone).toImage();
    EXPECT_EQ(shot.pixel(StonePanel::EdgeWidth, 40), texture.pixel(StonePanel::EdgeWidth, 40));
    EXPECT_EQ(shot.pixel(50, 40), texture.pixel(50, 40));
}

// The logo's magenta is transparent; its head shows.
TEST(LogoLabel, MagentaIsTransparent) {
    QWidget parent;
    parent.resize(105, 77);
    parent.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0, 0, 200));
    parent.setPalette(palette);
    auto* logo = new LogoLabel(TDlgResources::shared().dlgs(), &parent);
    logo->resize(105, 77);
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(0, 0, 200));
    EXPECT_EQ(shot.pixelColor(50, 50), TDlgResources::shared().dlgs().at(bmp::Logo).toImage().pixelColor(50, 50));
}
