#include "resources/Artwork.h"

#include <QDirIterator>
#include <QSvgRenderer>

#include <gtest/gtest.h>

using namespace pivo;

namespace {

QImage picture(QSize size, QRgb fill) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

}  // namespace

// Every drawing built into the game is a valid SVG with a size of its own, so a slip while editing
// one shows here rather than as an empty button.
TEST(Artwork, EveryDrawingParses) {
    int drawings = 0;
    for (QDirIterator it(QStringLiteral(":/pivo/art"), {QStringLiteral("*.svg")}); it.hasNext(); ++drawings) {
        const QString path = it.next();
        QSvgRenderer renderer(path);
        EXPECT_TRUE(renderer.isValid()) << path.toStdString();
        EXPECT_FALSE(renderer.defaultSize().isEmpty()) << path.toStdString();
    }
    EXPECT_GE(drawings, 30);
}

// Half-covered pixels decide by their coverage: at least half is picture at full strength, less is
// the transparent colour; a picture pixel of exactly that colour is moved off it.
TEST(Artwork, KeyedOutlineIsHard) {
    QImage image = picture({4, 1}, qRgba(0, 0, 0, 0));
    image.setPixel(0, 0, qRgba(200, 10, 10, 127));
    image.setPixel(1, 0, qRgba(200, 10, 10, 128));
    image.setPixel(2, 0, qRgba(255, 255, 255, 255));
    const QImage keyed = art::keyed(image, Qt::white).toImage();
    EXPECT_EQ(keyed.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(keyed.pixel(1, 0), qRgb(200, 10, 10));
    EXPECT_NE(keyed.pixel(2, 0), qRgb(255, 255, 255));
    EXPECT_EQ(keyed.pixel(3, 0), qRgb(255, 255, 255));
    // The logo's key: magenta inside the picture is moved off magenta, white stays white.
    image.setPixel(2, 0, qRgb(255, 0, 255));
    image.setPixel(3, 0, qRgb(255, 255, 255));
    const QImage onMagenta = art::keyed(image, QColor(255, 0, 255)).toImage();
    EXPECT_EQ(onMagenta.pixel(0, 0), qRgb(255, 0, 255));
    EXPECT_NE(onMagenta.pixel(2, 0), qRgb(255, 0, 255));
    EXPECT_EQ(onMagenta.pixel(3, 0), qRgb(255, 255, 255));
}

// The highlighted look rings the picture with a yellow rim two pixels wide and leaves the white
// beyond it transparent; the picture itself turns lighter, never white.
TEST(Artwork, LitFaceHasARim) {
    QPixmap face = QPixmap::fromImage(picture({20, 20}, qRgb(255, 255, 255)));
    {
        QImage image = face.toImage();
        for (int y = 8; y < 12; ++y)
            for (int x = 8; x < 12; ++x) image.setPixel(x, y, qRgb(0, 100, 0));
        face = QPixmap::fromImage(image);
    }
    const QImage lit = art::lit(face).toImage();
    const QRgb rim = qRgb(255, 220, 0);
    EXPECT_EQ(lit.pixel(7, 10), rim);
    EXPECT_EQ(lit.pixel(6, 10), rim);
    EXPECT_EQ(lit.pixel(5, 10), qRgb(255, 255, 255));
    EXPECT_EQ(lit.pixel(10, 13), rim);
    EXPECT_EQ(lit.pixel(0, 0), qRgb(255, 255, 255));
    const QRgb inside = lit.pixel(10, 10);
    EXPECT_GT(qGreen(inside), 100);
    EXPECT_NE(inside, qRgb(255, 255, 255));
}

// The disabled look is grey and keeps light above dark; white stays the transparent white.
TEST(Artwork, GreyFaceKeepsItsShading) {
    QImage image = picture({3, 1}, qRgb(255, 255, 255));
    image.setPixel(0, 0, qRgb(10, 10, 120));
    image.setPixel(1, 0, qRgb(250, 240, 120));
    const QImage grey = art::grey(QPixmap::fromImage(image)).toImage();
    const QRgb dark = grey.pixel(0, 0);
    const QRgb light = grey.pixel(1, 0);
    EXPECT_EQ(qRed(dark), qBlue(dark));
    EXPECT_EQ(qRed(light), qGreen(light));
    EXPECT_LT(qGray(dark), qGray(light));
    EXPECT_NE(light, qRgb(255, 255, 255));
    EXPECT_EQ(grey.pixel(2, 0), qRgb(255, 255, 255));
}
