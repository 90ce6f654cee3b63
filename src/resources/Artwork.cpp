#include "Artwork.h"

#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace pivo::art {
namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Rim = qRgb(255, 220, 0);

// Moves a colour that equals the key by one step in one channel, the least visible change.
QRgb awayFromKey(QRgb rgb, QRgb key) {
    if (rgb != key) return rgb;
    return qRgb(qRed(rgb) == 255 ? 254 : qRed(rgb) + 1, qGreen(rgb), qBlue(rgb));
}

// The size in device pixels of a picture of `size` layout pixels at a device pixel ratio.
QSize devicePixels(QSize size, qreal ratio) { return {qRound(size.width() * ratio), qRound(size.height() * ratio)}; }

}  // namespace

QImage render(const QString& name, QSize size, qreal ratio) {
    QImage image(devicePixels(size, ratio), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/pivo/art/%1.svg").arg(name));
    Q_ASSERT_X(renderer.isValid(), "art::render", qPrintable(name));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
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
    result.setDevicePixelRatio(picture.devicePixelRatio());
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

QPixmap lit(const QPixmap& face) {
    const QImage source = face.toImage().convertToFormat(QImage::Format_RGB32);
    const int width = source.width();
    const int height = source.height();
    // The rim reaches two layout pixels out, corners cut (at most three steps across and down
    // together), in device pixels at the face's ratio.
    const qreal ratio = face.devicePixelRatio();
    const int reach = qRound(2 * ratio);
    const int corner = qRound(3 * ratio);
    // For every pixel, how far along its row the nearest picture pixel lies (beyond `reach`: too far).
    std::vector<int> across(std::size_t(width) * std::size_t(height), reach + 1);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        int* distance = &across[std::size_t(y) * std::size_t(width)];
        for (int x = 0, last = -reach - 1; x < width; ++x) {
            if (line[x] != White) last = x;
            distance[x] = std::min(distance[x], x - last);
        }
        for (int x = width - 1, next = width + reach; x >= 0; --x) {
            if (line[x] != White) next = x;
            distance[x] = std::min(distance[x], next - x);
        }
    }
    QImage result(source.size(), QImage::Format_RGB32);
    const auto lighter = [](int c) { return std::min(254, c + (255 - c) / 5); };
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = in[x];
            if (rgb != White) {
                out[x] = qRgb(lighter(qRed(rgb)), lighter(qGreen(rgb)), lighter(qBlue(rgb)));
                continue;
            }
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy) {
                const int row = y + dy;
                if (row < 0 || row >= height) continue;
                const int distance = across[std::size_t(row) * std::size_t(width) + std::size_t(x)];
                near = distance <= std::min(reach, corner - std::abs(dy));
            }
            out[x] = near ? Rim : White;
        }
    }
    result.setDevicePixelRatio(ratio);
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
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < source.width(); ++x) out[x] = uchar(in[x] == White ? 15 : qGray(in[x]) * 15 / 256);
    }
    result.setDevicePixelRatio(face.devicePixelRatio());
    return QPixmap::fromImage(result);
}

QPixmap texture(const QString& name, QRect part) {
    // Read as PNG outright: guessing the format from the contents would load every image-format plugin
    // Qt has, each staying in memory for the life of the program.
    QImageReader reader(QStringLiteral(":/pivo/art/textures/%1.png").arg(name), "png");
    reader.setAutoDetectImageFormat(false);
    if (!part.isNull()) reader.setClipRect(part);
    const QPixmap pixmap = QPixmap::fromImage(reader.read());
    Q_ASSERT_X(!pixmap.isNull(), "art::texture", qPrintable(name));
    return pixmap;
}

}  // namespace pivo::art
