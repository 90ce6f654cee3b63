#include "dialogs/PatForm.h"
#include "model/GameModel.h"
#include "model/Preferences.h"
#include "tests/model/CatalogueFixture.h"

#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QScreen>
#include <QPolygon>

#include <gtest/gtest.h>


using namespace pivo;

namespace {

// Twelve animals (category 1): tangram 12 is the twelfth of its category.
class PatFormTest : public ::testing::Test {
protected:
    PatFormTest() {
        fillCatalogue(catalogue, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        model.startAt({1, 12});
    }

    QString titleFor(Language language, std::uint8_t status) {
        preferences.language = language;
        progress.setStatus(12, status);
        window.refresh();
        return window.windowTitle();
    }

    Preferences preferences;
    Catalogue catalogue;
    Progress progress;
    GameModel model{catalogue, progress, "/nonexistent/"};
    TPatForm window{preferences, model, QPoint(500, 50), nullptr};
};

}  // namespace

// Small, medium and big windows are 241 x 160, 361 x 240 and 481 x 320; mode 0 keeps the small size.
TEST_F(PatFormTest, SizePerMode) {
    const QSize expected[] = {{241, 160}, {241, 160}, {361, 240}, {481, 320}};
    for (int mode = 0; mode <= 3; ++mode) {
        preferences.patternMode = mode;
        window.showForMode();
        EXPECT_EQ(window.clientRect().size(), expected[mode]) << "mode " << mode;
        EXPECT_TRUE(window.rect().contains(window.clientRect())) << "mode " << mode;
        EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "mode " << mode;
    }
}

// A stored mode out of range never opens a window larger than the big one, nor smaller than the small.
TEST_F(PatFormTest, OutOfRangeModeIsClamped) {
    preferences.patternMode = 9;
    window.showForMode();
    EXPECT_EQ(window.clientRect().size(), QSize(481, 320));
    preferences.patternMode = -4;
    window.showForMode();
    EXPECT_EQ(window.clientRect().size(), QSize(241, 160));
    EXPECT_EQ(patternScale(1000000), 4);
}

// The title names category and number, then the finished state, with no blanks.
TEST_F(PatFormTest, TitleInBothLanguages) {
    EXPECT_EQ(titleFor(Language::English, 0), QStringLiteral("Animals-12"));
    EXPECT_EQ(titleFor(Language::English, FinishedFlag), QStringLiteral("Animals-12(solved)"));
    EXPECT_EQ(titleFor(Language::German, FinishedFlag | 7), QStringLiteral("Tiere-12(aufgegeben)"));
    EXPECT_EQ(titleFor(Language::German, FinishedFlag | 4), QStringLiteral("Tiere-12(gelöst)"));
    EXPECT_EQ(titleFor(Language::English, FinishedFlag | 7), QStringLiteral("Animals-12(dropped)"));
    EXPECT_EQ(titleFor(Language::NotChosen, FinishedFlag | 4), QStringLiteral("Animals-12(solved)"));
}

// A topmost tool window without close, minimise or maximise buttons, placed where the settings say:
// no window manager decorates it, so none can add buttons.
TEST_F(PatFormTest, WindowKind) {
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.pos(), QPoint(500, 50));
}

// The window's own title bar shows the title and moves the window when dragged.
TEST_F(PatFormTest, TitleBarMovesTheWindow) {
    preferences.language = Language::English;
    window.showForMode();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect client = window.clientRect();
    QWidget* bar = window.childAt(client.left() + 20, client.top() / 2);
    ASSERT_NE(bar, nullptr) << "a title bar above the client area";
    const QImage titled = bar->grab().toImage();
    window.setWindowTitle("");
    EXPECT_NE(bar->grab().toImage(), titled) << "the title is drawn";

    const QPoint start = window.pos();
    const QPoint grip(20, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QMouseEvent drag(QEvent::MouseMove, QPointF(grip + QPoint(30, 40)), bar->mapToGlobal(QPointF(grip + QPoint(30, 40))),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(bar, &drag);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(30, 40));
    EXPECT_EQ(window.pos(), start + QPoint(30, 40));
}

// While the window is in use nothing loses it: a close is refused, and after a minimise the next
// refresh shows it again. Withdrawn (pattern on the board, or the game closing), a refresh leaves it
// hidden and a close is let through.
TEST_F(PatFormTest, StaysWhileInUse) {
    window.showForMode();
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    window.refresh();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
    window.withdraw();
    window.refresh();
    EXPECT_TRUE(window.isHidden());
    EXPECT_TRUE(window.close()) << "withdrawn, it lets the game end";
}

// A window that grows out of the screen, or whose stored position lies off every screen, is moved
// wholly onto the screen; one that does not grow keeps the place it was given.
TEST_F(PatFormTest, KeptOnTheScreen) {
    const QRect area = window.screen()->availableGeometry();
    const QPoint given(area.right() - 300, area.top() + 50);
    preferences.patternMode = 1;
    window.move(given);
    window.showForMode();
    EXPECT_EQ(window.pos(), given);
    preferences.patternMode = 3;
    window.showForMode();
    EXPECT_TRUE(area.contains(window.frameGeometry()));
    EXPECT_EQ(window.frameGeometry().right(), area.right());
    window.move(given);
    window.showForMode();
    EXPECT_EQ(window.pos(), given) << "the same size again";

    TPatForm lost{preferences, model, QPoint(-5000, -5000), nullptr};
    lost.showForMode();
    EXPECT_TRUE(area.contains(lost.frameGeometry()));
}

// The silhouette is black on silver, each tan where its placement lies at the window's scale.
TEST_F(PatFormTest, PaintsTheSilhouette) {
    for (int mode = 1; mode <= 3; ++mode) {
        preferences.patternMode = mode;
        window.showForMode();
        const QImage shot = window.grab(window.clientRect()).toImage();
        const int k = mode + 1;
        QList<QPolygon> tans;
        for (int tan = 1; tan <= TanCount; ++tan) {
            std::array<Point, 4> corners{};
            const int count = tanPolygon(tan, (*model.board().pattern())[tan - 1], k, corners);
            QPolygon polygon;
            QPoint sum;
            for (int i = 0; i < count; ++i) {
                polygon << QPoint(corners[i].x, corners[i].y);
                sum += polygon.back();
            }
            tans << polygon;
            EXPECT_EQ(shot.pixel(sum / count), qRgb(0, 0, 0)) << "tan " << tan << " mode " << mode;
        }
        int silver = 0;
        for (int y = 0; y < shot.height(); y += 3)
            for (int x = 0; x < shot.width(); x += 3) {
                bool inside = false;
                for (const QPolygon& tan : tans) inside |= tan.boundingRect().adjusted(-1, -1, 1, 1).contains(x, y);
                if (inside) continue;
                EXPECT_EQ(shot.pixel(x, y), qRgb(192, 192, 192)) << x << "," << y;
                ++silver;
            }
        EXPECT_GT(silver, 0);
    }
}
