#include "Cursors.h"

#include "Artwork.h"

#include <QBitmap>
#include <QImage>

namespace pivo::cursors {
namespace {

// A two-colour cursor with a mask, as the board cursors have always been: pixels covered at least
// half are drawn, dark ones black and light ones white; the rest shows the board.
QCursor monochrome(const QString& name) {
    const QImage picture = art::render(name, {CursorSize, CursorSize}).convertToFormat(QImage::Format_ARGB32);
    const QList<QRgb> whiteThenBlack{qRgb(255, 255, 255), qRgb(0, 0, 0)};
    QImage black(picture.size(), QImage::Format_Mono);
    black.setColorTable(whiteThenBlack);
    QImage shape(picture.size(), QImage::Format_Mono);
    shape.setColorTable(whiteThenBlack);
    black.fill(0);
    shape.fill(0);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb argb = picture.pixel(x, y);
            if (qAlpha(argb) < 128) continue;
            shape.setPixel(x, y, 1);
            black.setPixel(x, y, qGray(argb) < 128 ? 1 : 0);
        }
    }
    return QCursor(QBitmap::fromImage(black), QBitmap::fromImage(shape), HotSpot, HotSpot);
}

}  // namespace

QCursor turn() { return monochrome(QStringLiteral("cursor-turn")); }

QCursor move() { return monochrome(QStringLiteral("cursor-move")); }

}  // namespace pivo::cursors
