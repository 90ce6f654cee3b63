#include "resources/BitmapIndex.h"
#include "resources/DlgResources.h"

#include <QImage>

#include <gtest/gtest.h>

#include <initializer_list>

using namespace pivo;

namespace {

QSize sizeOf(const BitmapList& list, int index) { return list.at(index).size(); }

void expectFaces(const BitmapList& list, std::initializer_list<int> indices, QSize size) {
    for (int index : indices) {
        EXPECT_EQ(sizeOf(list, index), size) << "entry " << index;
        // The corners are white, the transparent colour, so the panel shows around the face.
        const QImage image = list.at(index).toImage();
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)) << "entry " << index;
        EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255)) << "entry " << index;
        // ... and a picture covers a good part of the rest (a drawing that failed to render leaves it white).
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_GT(drawn, image.width() * image.height() / 8) << "entry " << index;
    }
}

// The first four pictures of every dialog list: blank face, two stone textures, logo on magenta.
void expectDialogListStart(const BitmapList& list) {
    EXPECT_EQ(sizeOf(list, bmp::Blank), QSize(50, 50));
    EXPECT_EQ(list.at(bmp::Blank).toImage().pixel(25, 25), qRgb(255, 255, 255));
    EXPECT_EQ(sizeOf(list, bmp::LightStone), QSize(160, 120));
    EXPECT_EQ(sizeOf(list, bmp::DarkStone), QSize(160, 120));
    EXPECT_GT(qGray(list.at(bmp::LightStone).toImage().pixel(80, 60)),
              qGray(list.at(bmp::DarkStone).toImage().pixel(80, 60)));
    EXPECT_EQ(sizeOf(list, bmp::Logo), QSize(100, 75));
    EXPECT_EQ(list.at(bmp::Logo).toImage().pixel(0, 0), qRgb(255, 0, 255));
}

const QSize Face(50, 50);
const QSize Arrow(50, 25);

}  // namespace

// Every list keeps the length its users address it by.
TEST(DlgResources, ListsHaveTheirLengths) {
    const TDlgResources& r = TDlgResources::shared();
    EXPECT_EQ(r.mainBitmaps().size(), 31u);
    EXPECT_EQ(r.dlgs().size(), 28u);
    EXPECT_EQ(r.btns().size(), 9u);
    EXPECT_EQ(r.opts().size(), 14u);
    EXPECT_EQ(r.optionBitmaps().size(), 19u);
    EXPECT_EQ(r.statBitmaps().size(), 17u);
    EXPECT_EQ(r.selectBitmaps().size(), 11u);
    for (const BitmapList* list : {&r.mainBitmaps(), &r.dlgs(), &r.btns(), &r.opts(), &r.optionBitmaps(),
                                   &r.statBitmaps(), &r.selectBitmaps()})
        for (int i = 0; i < int(list->size()); ++i) {
            EXPECT_FALSE(list->at(i).isNull());
            EXPECT_EQ(list->pictureSize(i), list->at(i).size()) << "entry " << i;
        }
}

// The main window's six styles are each a window tile beside a tool-bar tile; its faces are 50 x 50,
// its four arrows 50 x 25.
TEST(DlgResources, MainListSizes) {
    namespace m = bmp::mainwin;
    const BitmapList& list = TDlgResources::shared().mainBitmaps();
    for (int style = 0; style < m::BackgroundStyles; ++style)
        EXPECT_EQ(sizeOf(list, m::Background + style), QSize(200, 100));
    expectFaces(list, {m::NewGame, m::NewGameLit, m::NewGameGrey, m::Load, m::LoadLit, m::LoadGrey, m::Tip, m::TipLit,
                       m::TipGrey, m::Stat, m::StatLit, m::StatGrey, m::Select, m::SelectLit, m::SelectGrey,
                       m::Category, m::CategoryLit},
                Face);
    expectFaces(list, {m::UnsolvedUp, m::UnsolvedUpLit, m::UnsolvedDown, m::UnsolvedDownLit, m::Up, m::UpLit, m::Down,
                       m::DownLit},
                Arrow);
}

// The six background styles differ from each other, and each tool-bar tile from its window tile.
TEST(DlgResources, BackgroundStylesDiffer) {
    const auto style = [](int n) {
        return TDlgResources::shared().mainBitmaps().at(bmp::mainwin::Background + n).toImage();
    };
    for (int a = 0; a < 6; ++a) {
        EXPECT_NE(style(a).copy(0, 0, 100, 100), style(a).copy(100, 0, 100, 100)) << "style " << a;
        for (int b = a + 1; b < 6; ++b)
            EXPECT_NE(style(a).copy(0, 0, 100, 100), style(b).copy(0, 0, 100, 100)) << a << " and " << b;
    }
}

// The shared dialog list and the tool-bar list hold the faces their buttons name.
TEST(DlgResources, SharedDialogAndToolBarFaces) {
    const TDlgResources& r = TDlgResources::shared();
    expectDialogListStart(r.dlgs());
    namespace d = bmp::dlgs;
    expectFaces(r.dlgs(), {d::Tick, d::TickLit, d::Cross, d::CrossLit, d::GermanFlags, d::GermanFlagsLit,
                           d::EnglishFlags, d::EnglishFlagsLit},
                Face);
    // Tick, cross and the two flag pictures must not be confused with each other.
    EXPECT_NE(r.dlgs().at(d::Tick).toImage(), r.dlgs().at(d::Cross).toImage());
    EXPECT_NE(r.dlgs().at(d::GermanFlags).toImage(), r.dlgs().at(d::EnglishFlags).toImage());
    EXPECT_NE(r.dlgs().at(d::Tick).toImage(), r.dlgs().at(d::TickLit).toImage());
    namespace b = bmp::btns;
    EXPECT_EQ(sizeOf(r.btns(), 0), Face);
    expectFaces(r.btns(), {b::Exit, b::ExitLit, b::Info, b::InfoLit, b::Rules, b::RulesLit, b::Options, b::OptionsLit},
                Face);
}

// The options, statistics and selection dialogs' lists: their textures, logo and faces.
TEST(DlgResources, PerDialogLists) {
    const TDlgResources& r = TDlgResources::shared();
    for (const BitmapList* list : {&r.optionBitmaps(), &r.statBitmaps(), &r.selectBitmaps()})
        expectDialogListStart(*list);
    expectFaces(r.optionBitmaps(), {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, Face);
    expectFaces(r.statBitmaps(), {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, Face);
    // The statistics dialog repeats the options dialog's pictures 8..16.
    for (int i = 8; i <= 16; ++i)
        EXPECT_EQ(r.statBitmaps().at(i).toImage(), r.optionBitmaps().at(i).toImage()) << "entry " << i;
    namespace s = bmp::select;
    expectFaces(r.selectBitmaps(), {s::Cross, s::CrossLit, s::Category, s::CategoryLit}, Face);
    EXPECT_EQ(sizeOf(r.selectBitmaps(), s::FaceStrip), QSize(120, 15));
    EXPECT_EQ(sizeOf(r.selectBitmaps(), s::SmallArrows), Arrow);
    EXPECT_EQ(sizeOf(r.selectBitmaps(), 10), Face);
    // The option faces no window shows keep the options dialog's order from position 1.
    expectFaces(r.opts(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, Face);
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(r.opts().at(i).toImage(), r.optionBitmaps().at(bmp::option::Lips + i - 1).toImage()) << "entry " << i;
}

// The face strip turns from red at the left to green at the right.
TEST(DlgResources, FaceStripRunsFromRedToGreen) {
    const QImage strip = TDlgResources::shared().selectBitmaps().at(bmp::select::FaceStrip).toImage();
    const QColor first = strip.pixelColor(7, 2);
    const QColor last = strip.pixelColor(7 * 15 + 7, 2);
    EXPECT_GT(first.red(), first.green());
    EXPECT_GT(last.green(), last.red());
}

// The board cursors are two-colour pictures of 32 x 32 with a mask, whose hot spot (15, 15) lies on
// the drawn centre mark, and they differ from each other.
TEST(DlgResources, CursorsAndIcon) {
    const TDlgResources& r = TDlgResources::shared();
    for (const QCursor* cursor : {&r.turnCursor(), &r.moveCursor()}) {
        const QImage picture = cursor->bitmap().toImage();
        const QImage mask = cursor->mask().toImage();
        ASSERT_EQ(picture.size(), QSize(32, 32));
        ASSERT_EQ(mask.size(), QSize(32, 32));
        EXPECT_EQ(cursor->hotSpot(), QPoint(15, 15));
        EXPECT_EQ(mask.pixel(15, 15), qRgb(0, 0, 0)) << "the hot spot is drawn";
        EXPECT_EQ(picture.pixel(15, 15), qRgb(0, 0, 0)) << "... in black";
        EXPECT_EQ(mask.pixel(0, 0), qRgb(255, 255, 255)) << "the corner shows the board";
    }
    EXPECT_NE(r.turnCursor().bitmap().toImage(), r.moveCursor().bitmap().toImage());
    // The icon: black pieces with see-through gaps (one lies on the diagonal through the middle),
    // drawn at its own size and a larger one.
    for (int side : {32, 48}) EXPECT_TRUE(r.icon().availableSizes().contains(QSize(side, side))) << side;
    const QImage icon = r.icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixel(16, 4), qRgba(0, 0, 0, 255));
    EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 0);
    // A gap runs all the way along the diagonal, so the pieces stand apart.
    for (int i = 4; i < 28; ++i) EXPECT_EQ(qAlpha(icon.pixel(i, 31 - i)), 0) << i;
}

// Grey faces hold only greys, so a disabled button never looks usable; hover faces are ringed in
// yellow, their normal faces not.
TEST(DlgResources, GreyAndHighlightedFaces) {
    namespace m = bmp::mainwin;
    const TDlgResources& r = TDlgResources::shared();
    const auto isGrey = [](const QPixmap& face) {
        const QImage image = face.toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb rgb = image.pixel(x, y);
                if (qRed(rgb) != qGreen(rgb) || qGreen(rgb) != qBlue(rgb)) return false;
            }
        return true;
    };
    const auto ringed = [](const QPixmap& face) { return face.toImage().pixel(25, 1) == qRgb(255, 220, 0); };
    for (int grey : {m::NewGameGrey, m::LoadGrey, m::TipGrey, m::StatGrey, m::SelectGrey})
        EXPECT_TRUE(isGrey(r.mainBitmaps().at(grey))) << "entry " << grey;
    EXPECT_TRUE(isGrey(r.optionBitmaps().at(bmp::option::ClefGrey)));
    for (int normal : {m::NewGame, m::Load, m::Tip, m::Stat, m::Select, m::Category}) {
        EXPECT_FALSE(isGrey(r.mainBitmaps().at(normal))) << "entry " << normal;
        EXPECT_FALSE(ringed(r.mainBitmaps().at(normal))) << "entry " << normal;
        EXPECT_TRUE(ringed(r.mainBitmaps().at(normal + 1))) << "entry " << normal + 1;
    }
    for (int normal : {bmp::btns::Exit, bmp::btns::Info, bmp::btns::Rules, bmp::btns::Options})
        EXPECT_TRUE(ringed(r.btns().at(normal + 1))) << "entry " << normal + 1;
}

// The logo's head stands whole on magenta: the corners are magenta, the middle is not, and no stray
// magenta pixel inside the head would turn into a hole.
TEST(DlgResources, LogoOnMagenta) {
    const QImage logo = TDlgResources::shared().dlgs().at(bmp::Logo).toImage();
    const QRgb magenta = qRgb(255, 0, 255);
    for (QPoint corner : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 74), QPoint(99, 74)})
        EXPECT_EQ(logo.pixel(corner), magenta);
    for (int y = 30; y < 60; ++y)
        for (int x = 35; x < 65; ++x) ASSERT_NE(logo.pixel(x, y), magenta) << x << ", " << y;
}
