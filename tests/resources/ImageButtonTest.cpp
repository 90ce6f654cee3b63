#include "resources/BitmapIndex.h"
#include "resources/DlgResources.h"
#include "resources/ImageButton.h"

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace pivo;

namespace {

const ButtonFaces TipFaces{bmp::mainwin::Tip, bmp::mainwin::TipLit, bmp::mainwin::Tip, bmp::mainwin::TipGrey};

const BitmapList& mainList() { return TDlgResources::shared().mainBitmaps(); }

}  // namespace

// A button shows its normal face, the hover face under the mouse, the pressed face while held and
// the disabled face when disabled, which wins over the others.
TEST(ImageButton, FaceFollowsState) {
    ImageButton button(mainList(), {6, 7, 8, 14});
    EXPECT_EQ(button.size(), QSize(50, 50));
    EXPECT_EQ(button.currentFace(), 6);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.currentFace(), 7);
    button.setDown(true);
    EXPECT_EQ(button.currentFace(), 8);
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_EQ(button.currentFace(), 14);
    button.setEnabled(true);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.currentFace(), 6);
}

// A window closed by a click on its button never tells the button the pointer left: at the next show
// the face follows where the pointer is, dark when it is elsewhere, lit when it is over the button.
TEST(ImageButton, FaceFollowsThePointerAtShow) {
    QWidget window;
    window.resize(200, 100);
    auto* button = new ImageButton(mainList(), TipFaces, &window);
    button->move(10, 10);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(button, &enter);
    ASSERT_EQ(button->currentFace(), TipFaces.hover);
    window.hide();

    QCursor::setPos(window.mapToGlobal(QPoint(150, 80)));
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->currentFace() == TipFaces.normal; }, 2000));
    window.hide();

    QCursor::setPos(button->mapToGlobal(QPoint(25, 25)));
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->currentFace() == TipFaces.hover; }, 2000));
}

// The arrow buttons take the 50 x 25 size of their faces.
TEST(ImageButton, SizesItselfToItsFaces) {
    ImageButton arrow(mainList(), {bmp::mainwin::Up, bmp::mainwin::UpLit, bmp::mainwin::UpLit, bmp::mainwin::Up});
    EXPECT_EQ(arrow.size(), QSize(50, 25));
    EXPECT_EQ(arrow.sizeHint(), QSize(50, 25));
}

// White is transparent: the parent's colour shows in the corners, the face's own colour in the middle.
TEST(ImageButton, WhiteCornersShowTheParent) {
    QWidget parent;
    parent.resize(60, 60);
    parent.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    parent.setPalette(palette);
    auto* button = new ImageButton(mainList(), TipFaces, &parent);
    button->move(5, 5);
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(10, 200, 30));
    EXPECT_EQ(shot.pixelColor(30, 30), mainList().at(bmp::mainwin::Tip).toImage().pixelColor(25, 25));
}

// Every mouse button reports itself on mouse down (the category button needs left, right and
// others); only the left button makes a click.
TEST(ImageButton, ReportsWhichMouseButtonWentDown) {
    ImageButton button(mainList(), TipFaces);
    QSignalSpy downs(&button, &ImageButton::mouseDown);
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::RightButton);
    QTest::mouseClick(&button, Qt::MiddleButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(downs.count(), 3);
    EXPECT_EQ(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(downs.at(1).at(0).value<Qt::MouseButton>(), Qt::MiddleButton);
    EXPECT_EQ(downs.at(2).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

// A hint shows as a tooltip unless hints are switched off; the text is kept either way.
TEST(ImageButton, HintCanBeHidden) {
    ImageButton button(mainList(), TipFaces);
    button.setHint(QStringLiteral("Tip"));
    EXPECT_EQ(button.toolTip(), QStringLiteral("Tip"));
    button.setHintShown(false);
    EXPECT_TRUE(button.toolTip().isEmpty());
    EXPECT_EQ(button.hint(), QStringLiteral("Tip"));
    button.setHintShown(true);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Tip"));
}

// A dialog button pair: normal and pressed the first picture, hover the second.
TEST(ImageButton, DialogPairFaces) {
    const ButtonFaces faces = ButtonFaces::pair(bmp::dlgs::Tick);
    EXPECT_EQ(faces.normal, 5);
    EXPECT_EQ(faces.hover, 6);
    EXPECT_EQ(faces.pressed, 5);
    EXPECT_EQ(faces.disabled, 5);
}
