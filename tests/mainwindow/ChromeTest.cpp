#include "TestGame.h"

#include "mainwindow/OpeningAnimation.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace pivo::testing {
namespace {

// Without a stored placement the window opens in the middle of the screen; the place and size it was
// closed with come back at the next start.
TEST(Chrome, CentredFirstThenWhereItWasClosed) {
    TestGame game;
    game.store("tongue", "0");
    game.start();
    const QRect available = game.form().screen()->availableGeometry();
    // Centred to within the frame's few pixels, which are unknown until the window shows.
    const QPoint offset = game.form().frameGeometry().center() - available.center();
    EXPECT_LE(std::abs(offset.x()), 3);
    EXPECT_LE(std::abs(offset.y()), 3);

    game.form().setGeometry(40, 30, 700, 520);
    ASSERT_TRUE(game.close());
    game.restart();
    game.start();
    EXPECT_EQ(game.form().geometry(), QRect(40, 30, 700, 520));
}

// The settings' text after a window of `geometry` was closed, with the frame the platform draws. The
// window is hidden when it takes the geometry, so that no picture of a huge window is ever made.
QString storedPlacement(const QRect& geometry, bool maximised = false) {
    QWidget window;
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.hide();
    window.setGeometry(geometry);
    if (maximised) window.setWindowState(Qt::WindowMaximized);
    return QString::fromLatin1(window.saveGeometry().toBase64());
}

// A placement stored on a larger screen, or on one that is gone, is brought wholly onto the screen that
// holds most of it, or onto the window's own; a maximised one opens maximised on its screen.
TEST(Chrome, StoredPlacementIsBroughtOntoAScreen) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 3);
    const QRect desk = screens[0]->availableGeometry();
    const QRect laptop = screens[1]->availableGeometry();
    struct Case {
        QRect stored;
        QRect area;
        bool keepsSize;
    };
    for (const Case& c : {Case{QRect(laptop.x() + 10, 10, 3840, 2160), laptop, false},
                          Case{QRect(0, 0, 20000, 20000), desk, false},
                          Case{QRect(-5000, -5000, 700, 520), desk, true},
                          Case{QRect(laptop.right() - 200, laptop.bottom() - 100, 700, 520), laptop, true}}) {
        TestGame game;
        game.store("tongue", "0");
        game.store("MainForm", storedPlacement(c.stored));
        game.start();
        const QRect frame = game.form().frameGeometry();
        EXPECT_TRUE(c.area.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                            << frame.height();
        if (c.keepsSize) {
            EXPECT_EQ(game.form().size(), c.stored.size());
        }
    }

    TestGame game;
    game.store("tongue", "0");
    game.store("MainForm", storedPlacement(QRect(laptop.x() + 80, 50, 700, 520), true));
    game.start();
    EXPECT_TRUE(game.form().isMaximized());
    EXPECT_EQ(game.form().screen(), screens[1]);
}

// At the first start a screen too small for the window's design size gets it maximised, its normal
// rectangle on the screen for the time it is restored.
TEST(Chrome, FirstStartOnATooSmallScreenIsMaximised) {
    QScreen* small = QGuiApplication::screens().at(2);
    TestGame game;
    game.store("tongue", "0");
    ASSERT_TRUE(game.create());
    game.form().move(small->geometry().topLeft());
    game.form().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game.form()));
    EXPECT_TRUE(game.form().isMaximized());
    EXPECT_TRUE(small->availableGeometry().contains(game.form().normalGeometry()));
}

// The window cannot be made smaller than 650 x 480 outside, and the board keeps a whole unit.
TEST(Chrome, MinimumOuterSize) {
    TestGame game;
    game.store("tongue", "0");
    game.start();
    game.form().resize(200, 100);
    QApplication::processEvents();
    EXPECT_EQ(game.form().frameGeometry().size(), QSize(650, 480));
    EXPECT_GE(game.unit(), 1);
}

// The window opens from its centre: at its first show only a middle part shows, which grows step by
// step to the whole window.
TEST(Chrome, OpensFromItsCentre) {
    QWidget window;
    window.resize(909, 576);
    auto* opening = new OpeningAnimation(&window);
    window.show();
    EXPECT_TRUE(opening->running());
    EXPECT_EQ(window.mask().boundingRect(), QRect(454, 287, 1, 1));
    // Stepped by hand from here, so a slow machine sees the same steps.
    for (int i = 0; i < OpeningAnimation::Steps / 2; ++i) opening->step();
    EXPECT_EQ(window.mask().boundingRect(), OpeningAnimation::visiblePart(window.size(), 0.5));
    while (opening->running()) opening->step();
    EXPECT_TRUE(window.mask().isEmpty());
}

// The game's main window opens so, and carries its icon.
TEST(Chrome, MainWindowOpensAndHasItsIcon) {
    TestGame game;
    game.store("tongue", "0");
    game.start();
    auto* opening = game.form().findChild<OpeningAnimation*>();
    ASSERT_NE(opening, nullptr);
    for (int waited = 0; opening->running() && waited < 5000; waited += 20) QTest::qWait(20);
    EXPECT_FALSE(opening->running());
    EXPECT_TRUE(game.form().mask().isEmpty());
    EXPECT_FALSE(game.form().windowIcon().isNull());
}

// The shown part grows from a pixel in the middle to the whole window, always centred.
TEST(Chrome, OpeningPartGrowsCentred) {
    const QSize size(909, 576);
    EXPECT_EQ(OpeningAnimation::visiblePart(size, 0.0), QRect(454, 287, 1, 1));
    EXPECT_EQ(OpeningAnimation::visiblePart(size, 0.5), QRect(227, 144, 454, 288));
    EXPECT_EQ(OpeningAnimation::visiblePart(size, 1.0), QRect(QPoint(0, 0), size));
    EXPECT_EQ(OpeningAnimation::visiblePart(size, 1.5), QRect(QPoint(0, 0), size));
}

}  // namespace
}  // namespace pivo::testing
