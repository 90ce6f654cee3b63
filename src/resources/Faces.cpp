#include "Faces.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>
#include <random>

namespace pivo::faces {
namespace {

constexpr int Face = 50;

// A disabled face: the picture in light greys; white stays white so it stays transparent.
QPixmap greyed(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            if (rgb == qRgb(255, 255, 255)) continue;
            const int g = 128 + qGray(rgb) / 3;
            image.setPixel(x, y, qRgb(g, g, g));
        }
    }
    return QPixmap::fromImage(image);
}

QPen symbolPen(qreal width) { return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QPixmap whiteCanvas(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    return pixmap;
}

}  // namespace

QPixmap face(QSize size, QColor colour, Look look, const Symbol& symbol) {
    QPixmap pixmap = whiteCanvas(size);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF body = QRectF(pixmap.rect()).adjusted(2, 2, -2, -2);
        p.setPen(QPen(look == Look::Lit ? QColor(255, 255, 0) : colour.darker(160), 2));
        p.setBrush(look == Look::Lit ? colour.lighter(135) : colour);
        p.drawRoundedRect(body, 8, 8);
        symbol(p, body.adjusted(7, 4, -7, -4));
    }
    return look == Look::Grey ? greyed(pixmap) : pixmap;
}

QPixmap letterFace(QSize size, QColor colour, Look look, const QString& letter) {
    return face(size, colour, look, [letter](QPainter& p, const QRectF& r) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(int(r.height() * 0.8));
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, letter);
    });
}

QPixmap blank() { return whiteCanvas({Face, Face}); }

Symbol tick() {
    return [](QPainter& p, const QRectF& r) {
        p.setPen(symbolPen(5));
        p.drawPolyline(QPolygonF{{r.left(), r.center().y()}, {r.left() + r.width() * 0.4, r.bottom()}, r.topRight()});
    };
}

Symbol cross() {
    return [](QPainter& p, const QRectF& r) {
        p.setPen(symbolPen(5));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
    };
}

Symbol arrow(bool up) {
    return [up](QPainter& p, const QRectF& r) {
        const qreal tip = up ? r.top() : r.bottom();
        const qreal base = up ? r.bottom() : r.top();
        const qreal mid = r.center().y();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{{r.center().x(), tip}, {r.left(), mid}, {r.right(), mid}});
        p.drawRect(QRectF(r.center().x() - r.width() / 8, std::min(mid, base), r.width() / 4, std::abs(base - mid)));
    };
}

Symbol sunburst() {
    return [](QPainter& p, const QRectF& r) {
        const QColor rays[] = {Qt::red, QColor(255, 160, 0), Qt::yellow, Qt::green, Qt::cyan, QColor(160, 80, 255)};
        const QPointF c = r.center();
        const qreal radius = std::min(r.width(), r.height()) / 2;
        for (int i = 0; i < 12; ++i) {
            const double a = i * std::numbers::pi / 6;
            p.setPen(QPen(rays[i % 6], 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c, c + QPointF(std::cos(a) * radius, std::sin(a) * radius));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c, radius / 3, radius / 3);
    };
}

Symbol diskette() {
    return [](QPainter& p, const QRectF& r) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(r);
        p.setBrush(QColor(40, 40, 40));
        p.drawRect(QRectF(r.left() + r.width() * 0.25, r.top(), r.width() * 0.5, r.height() * 0.35));
        p.setBrush(QColor(120, 160, 255));
        p.drawRect(QRectF(r.left() + 4, r.top() + r.height() * 0.55, r.width() - 8, r.height() * 0.4));
    };
}

Symbol bulb(bool lit) {
    return [lit](QPainter& p, const QRectF& r) {
        const qreal radius = r.width() * 0.35;
        const QPointF c(r.center().x(), r.top() + radius);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(lit ? QColor(255, 255, 0) : QColor(230, 230, 230));
        p.drawEllipse(c, radius, radius);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(c.x() - radius / 2, c.y() + radius, radius, r.bottom() - c.y() - radius));
    };
}

Symbol barChart() {
    return [](QPainter& p, const QRectF& r) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const qreal w = r.width() / 4;
        const qreal heights[] = {0.5, 0.9, 0.7};
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(r.left() + i * w * 1.4, r.bottom() - r.height() * heights[i], w, r.height() * heights[i]));
    };
}

Symbol cards() {
    return [](QPainter& p, const QRectF& r) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        const qreal w = r.width() / 2.4;
        const qreal h = r.height() / 2.4;
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(r.left() + (i % 2) * w * 1.3, r.top() + (i / 2) * h * 1.3, w, h));
    };
}

Symbol tangramSquare() {
    return [](QPainter& p, const QRectF& r) {
        const int side = int(std::min(r.width(), r.height()));
        p.drawPixmap(QPointF(r.center().x() - side / 2.0, r.center().y() - side / 2.0), tangramIcon(side));
    };
}

Symbol door() {
    return [](QPainter& p, const QRectF& r) {
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(150, 90, 40));
        const QRectF leaf(r.left() + r.width() * 0.2, r.top(), r.width() * 0.6, r.height());
        p.drawRect(leaf);
        p.setBrush(Qt::yellow);
        p.drawEllipse(QPointF(leaf.right() - 5, leaf.center().y()), 2.5, 2.5);
    };
}

Symbol tools() {
    return [](QPainter& p, const QRectF& r) {
        p.setPen(symbolPen(4));
        p.drawLine(r.topLeft() + QPointF(4, 4), r.bottomRight());
        p.drawLine(r.topRight() + QPointF(-4, 4), r.bottomLeft());
        p.setBrush(Qt::white);
        p.drawEllipse(r.topLeft() + QPointF(4, 4), 4, 4);
        p.drawRect(QRectF(r.right() - 8, r.top(), 8, 6));
    };
}

Symbol lips(bool tongue) {
    return [tongue](QPainter& p, const QRectF& r) {
        const QRectF mouth(r.left(), r.center().y() - r.height() / 5, r.width(), r.height() * 0.4);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(220, 0, 40));
        p.drawEllipse(mouth);
        p.drawLine(QPointF(mouth.left(), mouth.center().y()), QPointF(mouth.right(), mouth.center().y()));
        if (tongue) {
            p.setBrush(QColor(255, 140, 170));
            p.drawEllipse(QRectF(mouth.center().x() - 6, mouth.center().y(), 12, r.bottom() - mouth.center().y()));
        }
    };
}

Symbol speaker(bool waves) {
    return [waves](QPainter& p, const QRectF& r) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const qreal cy = r.center().y();
        p.drawPolygon(QPolygonF{{r.left(), cy - 5},
                                {r.left() + 8, cy - 5},
                                {r.left() + 18, cy - 14},
                                {r.left() + 18, cy + 14},
                                {r.left() + 8, cy + 5},
                                {r.left(), cy + 5}});
        if (!waves) return;
        p.setPen(symbolPen(2));
        p.setBrush(Qt::NoBrush);
        for (int i = 1; i <= 2; ++i)
            p.drawArc(QRectF(r.left() + 12 - i * 6, cy - i * 7, 12 + i * 12, i * 14), -50 * 16, 100 * 16);
    };
}

Symbol swatch() {
    return [](QPainter& p, const QRectF& r) {
        const QColor tiles[] = {QColor(0, 130, 0), QColor(130, 80, 30), QColor(130, 0, 130), QColor(0, 100, 160)};
        const qreal w = r.width() / 2;
        const qreal h = r.height() / 2;
        p.setPen(QPen(Qt::white, 1));
        for (int i = 0; i < 4; ++i) {
            p.setBrush(tiles[i]);
            p.drawRect(QRectF(r.left() + (i % 2) * w, r.top() + (i / 2) * h, w, h));
        }
    };
}

Symbol smallWindow() {
    return [](QPainter& p, const QRectF& r) {
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(r);
        p.setBrush(QColor(0, 0, 128));
        p.drawRect(QRectF(r.left(), r.top(), r.width(), 6));
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygonF{{r.left() + 8, r.bottom() - 4}, {r.center().x(), r.top() + 10}, {r.right() - 8, r.bottom() - 4}});
    };
}

namespace {

using Stripes = std::array<QColor, 3>;

// One flag of horizontal stripes, optionally with a canton in the top left.
void stripedFlag(QPainter& p, const QRect& r, const Stripes& stripes) {
    const int h = r.height() / 3;
    for (int i = 0; i < 3; ++i) p.fillRect(r.x(), r.y() + i * h, r.width(), i == 2 ? r.height() - 2 * h : h, stripes[i]);
}

void swissFlag(QPainter& p, const QRect& r) {
    p.fillRect(r, Qt::red);
    const QPoint c = r.center();
    p.fillRect(c.x() - 1, c.y() - 4, 3, 9, Qt::white);
    p.fillRect(c.x() - 4, c.y() - 1, 9, 3, Qt::white);
}

void usFlag(QPainter& p, const QRect& r) {
    for (int i = 0; i < 7; ++i)
        p.fillRect(r.x(), r.y() + i * r.height() / 7, r.width(), r.height() / 7 + 1, i % 2 ? Qt::white : Qt::red);
    p.fillRect(r.x(), r.y(), r.width() / 2, r.height() / 2, QColor(0, 40, 120));
}

void ukFlag(QPainter& p, const QRect& r) {
    p.fillRect(r, QColor(0, 40, 120));
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    p.setPen(QPen(Qt::red, 1.5));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    const QPoint c = r.center();
    p.fillRect(c.x() - 3, r.y(), 7, r.height(), Qt::white);
    p.fillRect(r.x(), c.y() - 3, r.width(), 7, Qt::white);
    p.fillRect(c.x() - 1, r.y(), 3, r.height(), Qt::red);
    p.fillRect(r.x(), c.y() - 1, r.width(), 3, Qt::red);
}

}  // namespace

QPixmap flags(bool german, Look look) {
    QPixmap pixmap = whiteCanvas({Face, Face});
    {
        QPainter p(&pixmap);
        if (look == Look::Lit) p.fillRect(pixmap.rect().adjusted(1, 1, -1, -1), QColor(255, 255, 0));
        if (german) {
            stripedFlag(p, {3, 3, 28, 16}, {Qt::red, Qt::white, Qt::red});
            stripedFlag(p, {19, 17, 28, 16}, {Qt::black, Qt::red, QColor(255, 204, 0)});
            swissFlag(p, {5, 32, 16, 16});
        } else {
            usFlag(p, {2, 3, 36, 22});
            ukFlag(p, {12, 25, 36, 22});
        }
    }
    return look == Look::Grey ? greyed(pixmap) : pixmap;
}

QPixmap stone(int baseGrey, unsigned seed) {
    QPixmap pixmap(160, 120);
    pixmap.fill(QColor(baseGrey, baseGrey, baseGrey));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> x(0, 159), y(0, 119), shade(-24, 24), size(6, 22);
    // Stones that leave the tile wrap to the opposite side, so the texture repeats without seams.
    for (int i = 0; i < 90; ++i) {
        const int g = std::clamp(baseGrey + shade(random), 0, 255);
        const QRect pebble(x(random), y(random), size(random), size(random) * 2 / 3);
        p.setPen(QColor(g, g, g).darker(115));
        p.setBrush(QColor(g, g, g));
        for (int dx : {-160, 0, 160})
            for (int dy : {-120, 0, 120}) p.drawEllipse(pebble.translated(dx, dy));
    }
    return pixmap;
}

QPixmap logo() {
    QPixmap pixmap(100, 75);
    pixmap.fill(QColor(255, 0, 255));
    QPainter p(&pixmap);
    // Drawn without smoothing so that no blend of magenta rims the head once magenta is see-through.
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(255, 210, 160));
    p.drawEllipse(QRect(22, 6, 56, 62));
    p.setBrush(QColor(120, 60, 20));
    p.drawChord(QRect(22, 4, 56, 30), 0, 180 * 16);
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(36, 30, 11, 11));
    p.drawEllipse(QRect(53, 30, 11, 11));
    p.setBrush(Qt::black);
    p.drawEllipse(QRect(40, 34, 4, 4));
    p.drawEllipse(QRect(57, 34, 4, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(36, 38, 28, 20), -30 * 16, -120 * 16);
    return pixmap;
}

namespace {

void fillTile(QPainter& p, QRect tile, int style) {
    p.save();
    p.setClipRect(tile);
    p.translate(tile.topLeft());
    switch (style) {
    case 0:  // green and brown diagonal stripes
        p.fillRect(0, 0, 100, 100, QColor(30, 110, 40));
        p.setPen(QPen(QColor(110, 70, 30), 7));
        for (int i = -100; i < 200; i += 20) p.drawLine(i, 0, i + 100, 100);
        break;
    case 1:  // purple and green swirls
        p.fillRect(0, 0, 100, 100, QColor(90, 30, 110));
        p.setPen(QPen(QColor(60, 150, 70), 4));
        for (int r = 10; r <= 70; r += 15) p.drawArc(QRect(50 - r, 50 - r, 2 * r, 2 * r), r * 16, 270 * 16);
        break;
    case 2:  // red and dark diagonal check
        p.fillRect(0, 0, 100, 100, QColor(60, 10, 10));
        p.rotate(45);
        for (int i = -4; i < 8; ++i)
            for (int j = -4; j < 8; ++j)
                if ((i + j) % 2 == 0) p.fillRect(i * 18, j * 18 - 72, 18, 18, QColor(170, 20, 20));
        break;
    case 3:  // teal and brown diagonal weave
        p.fillRect(0, 0, 100, 100, QColor(100, 70, 40));
        p.setPen(QPen(QColor(0, 120, 120), 5));
        for (int i = -100; i < 200; i += 14) p.drawLine(i, 0, i + 100, 100);
        p.setPen(QPen(QColor(70, 45, 25), 2));
        for (int i = 0; i < 300; i += 14) p.drawLine(i, 0, i - 100, 100);
        break;
    case 4:  // blue vertical grain
        for (int x = 0; x < 100; ++x) p.fillRect(x, 0, 1, 100, QColor(20, 40, 120 + (x * 37 % 60)));
        break;
    default:  // red marbled pattern
        p.fillRect(0, 0, 100, 100, QColor(150, 20, 30));
        p.setPen(QPen(QColor(220, 120, 120), 2));
        for (int i = 0; i < 6; ++i) {
            QPainterPath vein(QPointF(0, i * 18));
            vein.cubicTo(30, i * 18 + 25, 70, i * 18 - 20, 100, i * 18 + 8);
            p.drawPath(vein);
        }
        break;
    }
    p.restore();
}

}  // namespace

QPixmap backgroundSheet() {
    QPixmap pixmap(200, 600);
    QPainter p(&pixmap);
    for (int style = 0; style < 6; ++style) {
        fillTile(p, QRect(0, style * 100, 100, 100), style);
        fillTile(p, QRect(100, style * 100, 100, 100), style);
        // The tool-bar tile is darker so that the buttons stand out against it.
        p.fillRect(QRect(100, style * 100, 100, 100), QColor(0, 0, 0, 90));
    }
    return pixmap;
}

QPixmap faceStrip() {
    QPixmap pixmap(120, 15);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    for (int level = 0; level < 8; ++level) {
        const QRectF head(level * 15 + 0.5, 0.5, 14, 14);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(255 - level * 36, level * 36, 0));
        p.drawEllipse(head);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(head.left() + 4.5, head.top() + 5), 1, 1);
        p.drawEllipse(QPointF(head.right() - 4.5, head.top() + 5), 1, 1);
        // The mouth bends from down (unhappy) to up (happy) with the level.
        const qreal bend = (level - 3.5) * 1.0;
        QPainterPath mouth(QPointF(head.left() + 3.5, head.top() + 9.5));
        mouth.quadTo(head.center().x(), head.top() + 9.5 + bend, head.right() - 3.5, head.top() + 9.5);
        p.setBrush(Qt::NoBrush);
        p.drawPath(mouth);
    }
    return pixmap;
}

QPixmap smallArrows() {
    return face({Face, 25}, QColor(0, 110, 0), Look::Normal, [](QPainter& p, const QRectF& r) {
        const QRectF left(r.left(), r.top(), r.width() / 2 - 2, r.height());
        const QRectF right(r.center().x() + 2, r.top(), r.width() / 2 - 2, r.height());
        arrow(true)(p, left);
        arrow(false)(p, right);
    });
}

QPixmap tangramIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(pixmap.rect(), Qt::black);
    // The cuts of the classic square on a 4 x 4 lattice: both diagonals (one only to the middle of
    // the lower right), and the edges of the medium triangle, the square and the parallelogram.
    const qreal u = size / 4.0;
    const QLineF cuts[] = {{0, 0, 3 * u, 3 * u},     {4 * u, 0, 0, 4 * u},     {3 * u, u, 4 * u, 2 * u},
                           {2 * u, 4 * u, 4 * u, 2 * u}, {u, 3 * u, 3 * u, 3 * u}};
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(QPen(Qt::black, std::max(1.0, size / 32.0)));
    for (const QLineF& cut : cuts) p.drawLine(cut);
    return pixmap;
}

}  // namespace pivo::faces
