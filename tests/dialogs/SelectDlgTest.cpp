#include "ModalTest.h"

#include "resources/BitmapIndex.h"
#include "tests/model/CatalogueFixture.h"
#include "resources/DialogChrome.h"
#include "resources/DlgResources.h"
#include "resources/ImageButton.h"
#include "dialogs/SelectDlg.h"
#include "mainwindow/MouseButtons.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSlider>
#include <QTest>

#include <vector>

using namespace pivo;

namespace {

// Category 0 holds two tangrams (entries 1, 2); category 1 forty, with one of category 2 after every
// fourth; categories 3..7 one each at the end. The dialog's category requests go to the game model
// as the main window sends them.
class SelectDlgTest : public ModalTest {
protected:
    SelectDlgTest() {
        std::vector<int> categories{0, 0};
        for (int n = 1; n <= 40; ++n) {
            categories.push_back(1);
            if (n % 4 == 0) categories.push_back(2);
        }
        for (int c = 3; c < CategoryTotal; ++c) categories.push_back(c);
        fillCatalogue(catalogue, categories);
        preferences.language = Language::English;
        QObject::connect(&dlg, &TSelectDlg::categoryButtonPressed, [this](Qt::MouseButton button) {
            pressed.push_back(button);
            model.stepCategory(categoryStepFor(mouseButtonOf(button)));
        });
        QObject::connect(&dlg, &TSelectDlg::categoryChosen, [this](int category) {
            chosen.push_back(category);
            model.chooseCategory(category);
        });
    }
    // Starts at number `number` of category 1, or at entry `tangram` of `category`.
    void startAt(int number) { model.startAt({1, indexOf(1, number)}); }
    void startAt(int category, int tangram) { model.startAt({category, tangram}); }

    int indexOf(int category, int number) const {
        for (int i = 1; i <= catalogue.tangramCount(); ++i)
            if (catalogue.entry(i).category == category && catalogue.entry(i).number == number) return i;
        return 0;
    }
    // The slot table of numbers first .. first + 8 of a category.
    grid::Slots numbers(int category, int first) const {
        grid::Slots cells{};
        for (int s = 0; s < grid::Cells; ++s) cells[s] = indexOf(category, first + s);
        return cells;
    }
    QSlider* scroll() const { return dlg.findChild<QSlider*>(QStringLiteral("Scroll")); }
    QWidget* box() const { return dlg.findChild<QWidget*>(QStringLiteral("box")); }
    ImageButton* button(const char* name) const { return dlg.findChild<ImageButton*>(QString::fromLatin1(name)); }
    QString katLabel() const { return dlg.findChild<QLabel*>(QStringLiteral("KatLabel"))->text(); }
    void press(QWidget* widget, Qt::MouseButton button, QPoint at) { QTest::mousePress(widget, button, {}, at); }

    // Opens the dialog with `action` run inside; returns the tangram picked. The action must close
    // the dialog, or the test's own Esc does.
    std::optional<int> open(std::function<void()> action) {
        whenOpen([this, action] {
            action();
            if (dlg.isVisible()) dlg.reject();
        });
        return dlg.selectTangram();
    }

    Preferences preferences;
    Catalogue catalogue;
    Progress progress;
    GameModel model{catalogue, progress, "/nonexistent/"};
    TSelectDlg dlg{preferences, model, nullptr};
    std::vector<Qt::MouseButton> pressed;
    std::vector<int> chosen;
};

}  // namespace

// Opening puts the current tangram in the top-left cell, unless it is among the last eight of its
// category: then the last nine show.
TEST_F(SelectDlgTest, OpensAtTheCurrentTangram) {
    struct Case {
        int number, position, first;
    };
    for (const Case c : {Case{5, 28, 5}, Case{20, 13, 20}, Case{36, 1, 32}, Case{33, 1, 32}}) {
        startAt(c.number);
        grid::Slots seen{};
        int position = 0;
        int maximum = 0;
        bool focused = false;
        open([&] {
            seen = dlg.slotTable();
            position = scroll()->value();
            maximum = scroll()->maximum();
            focused = scroll()->hasFocus() || dlg.focusWidget() == scroll();
        });
        EXPECT_EQ(maximum, 32);
        EXPECT_EQ(position, c.position) << "number " << c.number;
        EXPECT_EQ(seen, numbers(1, c.first)) << "number " << c.number;
        EXPECT_TRUE(focused);
    }
}

// The keys move the track against the numbers, a step or a page, within its range; the wheel acts
// as Up and Down; the grid follows each change.
TEST_F(SelectDlgTest, TrackKeysAndWheel) {
    startAt(5);
    std::vector<int> values;
    grid::Slots afterPageDown{};
    open([&] {
        QSlider* track = scroll();
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left, Qt::Key_Right}) {
            QTest::keyClick(track, key);
            values.push_back(track->value());
            if (key == Qt::Key_PageDown) afterPageDown = dlg.slotTable();
        }
        QWheelEvent down(QPointF(5, 5), track->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(track, &down);
        values.push_back(track->value());
        QWheelEvent up(QPointF(5, 5), track->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(track, &up);
        values.push_back(track->value());
        for (int i = 0; i < 4; ++i) QTest::keyClick(track, Qt::Key_PageDown);
        values.push_back(track->value());
        // Over the grid the wheel still moves the track: the grid leaves the wheel to the dialog.
        QWheelEvent overGrid(QPointF(60, 60), box()->mapToGlobal(QPointF(60, 60)), {}, QPoint(0, 120), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box(), &overGrid);
        EXPECT_FALSE(overGrid.isAccepted());
        QApplication::sendEvent(&dlg, &overGrid);
        values.push_back(track->value());
    });
    EXPECT_EQ(values, (std::vector<int>{29, 32, 31, 22, 21, 22, 21, 22, 1, 2}));
    EXPECT_EQ(afterPageDown, numbers(1, 11));
}

// A press anywhere in a cell or in the gap right of it or below it picks that cell's tangram; the
// grid's last pixel row picks nothing.
TEST_F(SelectDlgTest, ClickPicksTheCell) {
    startAt(5);
    bool stillOpen = false;
    EXPECT_EQ(open([&] {
                  press(box(), Qt::LeftButton, {10, 300});
                  stillOpen = dlg.isVisible();
              }),
              std::nullopt);
    EXPECT_TRUE(stillOpen);

    // Each pick becomes current as the main window makes it, so the next opening starts from it.
    const auto pick = [&](Qt::MouseButton button, QPoint at) {
        const std::optional<int> picked = open([&] { press(box(), button, at); });
        if (picked) model.select(*picked);
        return picked;
    };
    EXPECT_EQ(pick(Qt::LeftButton, {122, 50}), indexOf(1, 5));
    EXPECT_EQ(pick(Qt::RightButton, {130, 199}), indexOf(1, 9));
    EXPECT_EQ(pick(Qt::LeftButton, {368, 299}), indexOf(1, 17));
}

// The category button passes on the mouse button that pressed it, and the dialog at once shows the
// category it steps to (left on, right back, 0 wrapping to 7, any other button keeps it) at its first
// tangram; the dialog stays open, and Cancel keeps the change, in force the moment it was made.
TEST_F(SelectDlgTest, CategoryButtonWithEachMouseButton) {
    startAt(20);
    std::vector<int> tangrams;
    std::vector<QString> captions;
    grid::Slots afterLeft{};
    bool stillOpen = false;
    const std::vector<Qt::MouseButton> buttons{Qt::LeftButton, Qt::RightButton, Qt::RightButton, Qt::RightButton,
                                               Qt::MiddleButton};
    EXPECT_EQ(open([&] {
                  for (Qt::MouseButton b : buttons) {
                      press(button("CatBtn"), b, {25, 25});
                      tangrams.push_back(dlg.slotTable()[0]);
                      captions.push_back(katLabel());
                      if (b == Qt::LeftButton) afterLeft = dlg.slotTable();
                  }
                  stillOpen = dlg.isVisible();
                  QTest::mouseClick(button("CancelBtn"), Qt::LeftButton);
              }),
              std::nullopt);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(pressed, buttons);
    EXPECT_EQ(tangrams, (std::vector<int>{indexOf(2, 1), indexOf(1, 1), 1, indexOf(7, 1), indexOf(7, 1)}));
    EXPECT_EQ(captions.front(), QStringLiteral("Category: Tools and household stuff"));
    EXPECT_EQ(captions.back(), QStringLiteral("Category: Letters and numbers"));
    EXPECT_EQ(afterLeft, numbers(2, 1));
    EXPECT_EQ(model.position(), (Position{7, indexOf(7, 1)}));
}

// A category smaller than the grid shows its tangrams and empty cells, does not scroll, and a press
// on an empty cell does nothing.
TEST_F(SelectDlgTest, SmallCategory) {
    startAt(0, 2);
    grid::Slots seen{};
    bool scrolls = true;
    bool stillOpen = false;
    EXPECT_EQ(open([&] {
                  seen = dlg.slotTable();
                  scrolls = scroll()->isEnabled();
                  press(box(), Qt::LeftButton, {260, 150});
                  stillOpen = dlg.isVisible();
              }),
              std::nullopt);
    EXPECT_EQ(seen, (grid::Slots{1, 2, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(scrolls);
    EXPECT_TRUE(stillOpen);
}

// Esc, N and n cancel, though the track holds the focus; other keys do not.
TEST_F(SelectDlgTest, KeysThatCancel) {
    startAt(5);
    for (int key : {int(Qt::Key_Escape), int('N'), int('n')}) {
        bool closed = false;
        EXPECT_FALSE(open([&] {
            QTest::keyClick(scroll(), Qt::Key_Return);
            QTest::keyClick(scroll(), Qt::Key_Y);
            ASSERT_TRUE(dlg.isVisible());
            if (key == Qt::Key_Escape)
                QTest::keyClick(scroll(), Qt::Key_Escape);
            else
                QTest::keyClick(scroll(), char(key));
            closed = !dlg.isVisible();
        }));
        EXPECT_TRUE(closed) << key;
    }
}

// A click on the category caption opens the list at the current category; choosing another item
// asks for that category, closes the list and gives the focus back to the track.
TEST_F(SelectDlgTest, CategoryList) {
    startAt(5);
    int shownRow = -1;
    bool listShown = false;
    bool listHidden = false;
    bool trackFocused = false;
    QStringList items;
    open([&] {
        auto* list = dlg.findChild<QListWidget*>(QStringLiteral("List"));
        EXPECT_FALSE(list->isVisible());
        QTest::mouseClick(dlg.findChild<QLabel*>(QStringLiteral("KatLabel")), Qt::LeftButton);
        listShown = list->isVisible();
        shownRow = list->currentRow();
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        listHidden = !list->isVisible();
        trackFocused = dlg.focusWidget() == scroll();
    });
    EXPECT_TRUE(listShown);
    EXPECT_EQ(shownRow, 1);
    ASSERT_EQ(items.size(), 8);
    EXPECT_EQ(items[6], QStringLiteral("Convex Tangrams"));
    EXPECT_TRUE(listHidden);
    EXPECT_TRUE(trackFocused);
    EXPECT_EQ(chosen, std::vector<int>{2});
    EXPECT_EQ(model.position(), (Position{2, indexOf(2, 1)}));
}

// Each cell shows its number, the face for its tips, and its silhouette: black while open, grey with
// black edges once finished; a tangram never touched shows no face.
TEST_F(SelectDlgTest, PaintsNumbersFacesAndSilhouettes) {
    startAt(5);
    progress.setStatus(indexOf(1, 5), FinishedFlag);      // cell 0: solved without tips
    progress.setStatus(indexOf(1, 6), 2);                 // cell 1: two tips, open
    progress.setStatus(indexOf(1, 8), FinishedFlag | 7);  // cell 3: given up
    QImage shot;
    open([&] { shot = box()->grab().toImage(); });
    ASSERT_EQ(shot.size(), QSize(369, 301));

    const QPixmap& strip = TDlgResources::shared().selectBitmaps().at(bmp::select::FaceStrip);
    const auto faceOnSilver = [&](int face) {
        QImage expected(15, 15, QImage::Format_ARGB32_Premultiplied);
        expected.fill(QColor(192, 192, 192));
        QPainter p(&expected);
        p.drawPixmap(0, 0, strip, 15 * face, 0, 15, 15);
        return expected;
    };
    const auto faceIn = [&](int cell) {
        const QPoint at(125 * (cell % 3) + 103, 100 * (cell / 3) + 2);
        return shot.copy(QRect(at, QSize(15, 15))).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    EXPECT_EQ(faceIn(0), faceOnSilver(7));
    EXPECT_EQ(faceIn(1), faceOnSilver(5));
    EXPECT_EQ(faceIn(3), faceOnSilver(0));
    EXPECT_NE(faceOnSilver(7), faceOnSilver(0));
    const QImage untouched = faceIn(2);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) ASSERT_EQ(untouched.pixelColor(x, y), QColor(192, 192, 192)) << x << "," << y;

    // The middle of the square (tan 6) of each silhouette, at one pixel a unit under the 15-pixel band.
    std::array<Point, 4> corners{};
    tanPolygon(6, startPlacement()[5], 1, corners);
    const QPoint middle((corners[0].x + corners[2].x) / 2, (corners[0].y + corners[2].y) / 2 + 15);
    EXPECT_EQ(shot.pixelColor(middle), QColor(127, 127, 127));
    EXPECT_EQ(shot.pixelColor(middle + QPoint(125, 0)), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(middle + QPoint(250, 0)), QColor(Qt::black));
    // Frame of a cell: black, 120 x 95 from its corner.
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(119, 94), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(118, 93), QColor(192, 192, 192));
}

// 544 x 416 and borderless, with its parts where the layout puts them, over the main window.
TEST_F(SelectDlgTest, LayoutAndPlace) {
    QWidget main;
    main.setGeometry(60, 40, 909, 576);
    main.show();
    TSelectDlg over(preferences, model, &main);
    startAt(5);
    QPoint seenAt;
    QString title;
    whenOpen([&] {
        seenAt = over.pos();
        title = over.windowTitle();
        over.reject();
    });
    over.selectTangram();
    EXPECT_EQ(over.size(), QSize(544, 416));
    EXPECT_TRUE(over.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(seenAt, dialogPosition(main.frameGeometry(), main.height(), over.size()));
    EXPECT_EQ(title, QStringLiteral("Select Tangram"));
    const auto at = [&](const char* name) { return placeOf(over, name); };
    EXPECT_EQ(at("KatLabel"), QRect(119, 16, 410, 29));
    EXPECT_EQ(at("box"), QRect(124, 44, 369, 301));
    EXPECT_EQ(at("Scroll"), QRect(499, 44, 25, 295));
    EXPECT_EQ(at("List"), QRect(220, 44, 273, 185));
    EXPECT_EQ(at("CatBtn"), QRect(428, 356, 50, 50));
    EXPECT_EQ(at("CancelBtn"), QRect(484, 355, 50, 50));
    EXPECT_EQ(at("ProgLabel"), QRect(12, 119, 53, 281));
    const auto* versionLabel = over.findChild<RaisedLabel*>(QStringLiteral("VersionLabel"));
    ASSERT_NE(versionLabel, nullptr);
    EXPECT_TRUE(versionLabel->raised());
    EXPECT_EQ(over.findChild<ImageButton*>(QStringLiteral("CancelBtn"))->hint(), QStringLiteral("Cancel"));
    preferences.language = Language::German;
    whenOpen([&] {
        title = over.windowTitle();
        over.reject();
    });
    over.selectTangram();
    EXPECT_EQ(title, QStringLiteral("Tangram wählen"));
    EXPECT_EQ(over.findChild<QWidget*>(QStringLiteral("box"))->toolTip(),
              QStringLiteral("Ein Mausklick und schon gehts mit diesem Tangram los."));
}
