#include "TestGame.h"

#include "OpeningAnimation.h"

#include <QScreen>
#include <QTest>
#include <QVariantAnimation>

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

// The window opens from its centre: a middle part shows that grows with the animation, and at its end
// the whole window does.
TEST(Chrome, OpensFromItsCentre) {
    TestGame game;
    game.store("tongue", "0");
    game.start();
    auto* opening = game.form().findChild<QVariantAnimation*>();
    ASSERT_NE(opening, nullptr);
    // Stepped by hand, so a slow machine sees the same steps.
    opening->setCurrentTime(OpeningAnimation::DurationMs / 2);
    EXPECT_EQ(game.form().mask().boundingRect(), OpeningAnimation::visiblePart(game.form().size(), 0.5));
    opening->setCurrentTime(OpeningAnimation::DurationMs);
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
