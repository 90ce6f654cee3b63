#include "Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace pivo::art {
namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Rim = qRgb(255, 220, 0);

// Moves a colour that equals the key by one step in one channel, the least visible change.
QRgb awayFromKey(QRgb rgb, QRgb key) {
    if (rgb != key) return rgb;
    return qRgb(qRed(rgb) == 255 ? 254 : qRed(rgb) + 1, qGreen(rgb), qBlue(rgb));
}

bool isOpaque(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() && image.pixel(x, y) != White;
}

}  // namespace

QImage render(const QString& name, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/pivo/art/%1.svg").arg(name));
    Q_ASSERT_X(renderer.isValid(), "art::render", qPrintable(name));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

QPixmap keyed(const QImage& picture, QColor key) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = key.rgb();
    QImage result(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            out[x] = qAlpha(in[x]) < 128 ? keyRgb : awayFromKey(in[x] | 0xff000000u, keyRgb);
    }
    return QPixmap::fromImage(result);
}

QPixmap cutOut(const QImage& picture) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) line[x] = qAlpha(line[x]) < 128 ? 0u : line[x] | 0xff000000u;
    }
    return QPixmap::fromImage(result);
}

QPixmap face(const QString& name, QSize size) { return keyed(render(name, size), Qt::white); }

QPixmap lit(const QPixmap& face) {
    const QImage source = face.toImage().convertToFormat(QImage::Format_RGB32);
    QImage result = source;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb rgb = source.pixel(x, y);
            if (rgb != White) {
                const auto lighter = [](int c) { return std::min(254, c + (255 - c) / 5); };
                result.setPixel(x, y, qRgb(lighter(qRed(rgb)), lighter(qGreen(rgb)), lighter(qBlue(rgb))));
                continue;
            }
            // A white pixel within two pixels of the picture (corners excluded) joins the rim.
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx)
                    near = std::abs(dx) + std::abs(dy) <= 3 && isOpaque(source, x + dx, y + dy);
            if (near) result.setPixel(x, y, Rim);
        }
    }
    return QPixmap::fromImage(result);
}

QPixmap grey(const QPixmap& face) {
    // A palette of sixteen light greys, like a faded print; the last entry is the transparent white.
    QList<QRgb> palette;
    for (int i = 0; i < 15; ++i) palette.append(qRgb(120 + i * 8, 120 + i * 8, 120 + i * 8));
    palette.append(White);
    const QImage source = face.toImage().convertToFormat(QImage::Format_RGB32);
    QImage result(source.size(), QImage::Format_Indexed8);
    result.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb rgb = source.pixel(x, y);
            result.setPixel(x, y, rgb == White ? 15 : qGray(rgb) * 15 / 256);
        }
    }
    return QPixmap::fromImage(result);
}

QPixmap texture(const QString& name) {
    QPixmap pixmap(QStringLiteral(":/pivo/art/textures/%1.png").arg(name));
    Q_ASSERT_X(!pixmap.isNull(), "art::texture", qPrintable(name));
    return pixmap;
}

}  // namespace pivo::art
