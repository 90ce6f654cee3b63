#include "Cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace pivo::cursors {
namespace {

// Black strokes with a white rim, so the cursor shows on the dark board and the light tans alike.
QCursor outlined(const std::function<void(QPainter&)>& strokes) {
    QPixmap pixmap(CursorSize, CursorSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 4.0}, std::pair{QColor(Qt::black), 1.6}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        strokes(p);
    }
    p.end();
    return QCursor(pixmap, HotSpot, HotSpot);
}

void arrowHead(QPainter& p, QPointF tip, QPointF back) {
    const QPointF d = (tip - back) / 2;
    const QPointF side(-d.y(), d.x());
    p.drawLine(tip, tip - d + side);
    p.drawLine(tip, tip - d - side);
}

}  // namespace

QCursor turn() {
    return outlined([](QPainter& p) {
        const QPointF c(HotSpot, HotSpot);
        const QRectF circle(c.x() - 11, c.y() - 11, 22, 22);
        p.drawArc(circle, 20 * 16, 140 * 16);
        p.drawArc(circle, 200 * 16, 140 * 16);
        // Heads at the counter-clockwise ends of both arcs.
        arrowHead(p, {c.x() - 10.3, c.y() - 3.8}, {c.x() - 8, c.y() - 10});
        arrowHead(p, {c.x() + 10.3, c.y() + 3.8}, {c.x() + 8, c.y() + 10});
        p.drawLine(QPointF(c.x() - 2, c.y()), QPointF(c.x() + 2, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - 2), QPointF(c.x(), c.y() + 2));
    });
}

QCursor move() {
    return outlined([](QPainter& p) {
        const QPointF c(HotSpot, HotSpot);
        p.drawLine(QPointF(c.x() - 13, c.y()), QPointF(c.x() + 13, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - 13), QPointF(c.x(), c.y() + 13));
        for (const QPointF dir : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
            arrowHead(p, c + dir * 13, c + dir * 7);
    });
}

}  // namespace pivo::cursors
