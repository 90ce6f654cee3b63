#include "Cursors.h"

#include "Artwork.h"

#include <QBitmap>
#include <QImage>
#include <QPixmap>

namespace pivo::cursors {
namespace {

// A two-colour cursor with a mask, as the board cursors have always been: pixels covered at least
// half are drawn, dark ones black and light ones white; the rest shows the board. At a ratio above 1
// it is drawn at the screen's resolution, in the same two colours on transparency.
QCursor monochrome(const QString& name, qreal ratio) {
    const QImage picture = art::render(name, {CursorSize, CursorSize}, ratio).convertToFormat(QImage::Format_ARGB32);
    if (!qFuzzyCompare(ratio, 1.0)) {
        QImage twoColour(picture.size(), QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            auto* out = reinterpret_cast<QRgb*>(twoColour.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                out[x] = qAlpha(in[x]) < 128 ? 0u : qGray(in[x]) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
        QPixmap pixmap = QPixmap::fromImage(twoColour);
        pixmap.setDevicePixelRatio(ratio);
        return QCursor(pixmap, HotSpot, HotSpot);
    }
    const QList<QRgb> whiteThenBlack{qRgb(255, 255, 255), qRgb(0, 0, 0)};
    QImage black(picture.size(), QImage::Format_Mono);
    black.setColorTable(whiteThenBlack);
    QImage shape(picture.size(), QImage::Format_Mono);
    shape.setColorTable(whiteThenBlack);
    black.fill(0);
    shape.fill(0);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(in[x]) < 128) continue;
            shape.setPixel(x, y, 1);
            black.setPixel(x, y, qGray(in[x]) < 128 ? 1 : 0);
        }
    }
    return QCursor(QBitmap::fromImage(black), QBitmap::fromImage(shape), HotSpot, HotSpot);
}

}  // namespace

QCursor turn(qreal ratio) { return monochrome(QStringLiteral("cursor-turn"), ratio); }

QCursor move(qreal ratio) { return monochrome(QStringLiteral("cursor-move"), ratio); }

}  // namespace pivo::cursors
