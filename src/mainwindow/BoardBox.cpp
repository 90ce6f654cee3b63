#include "BoardBox.h"

#include "BoardColours.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace pivo {
namespace {

QColor fillColour(TanFill fill) {
    switch (fill) {
        case TanFill::Black: return colours::Black;
        case TanFill::Green: return colours::Green;
        case TanFill::Red: return colours::Red;
    }
    return colours::Black;
}

}  // namespace

// A pen of one device pixel lies on the far side of an edge at one pixel ratio and on the near side at
// another: a board pixel of margin all round holds it at every ratio.
QRect penArea(const QPolygon& polygon) { return polygon.boundingRect().adjusted(-1, -1, 1, 1); }

QPolygon tanPolygonAt(int tan, TanPlacement at, int unit) {
    std::array<Point, 4> points{};
    const int n = tanPolygon(tan, at, unit, points);
    QPolygon polygon(n);
    for (int i = 0; i < n; ++i) polygon.setPoint(i, points[i].x, points[i].y);
    return polygon;
}

BoardBox::BoardBox(const Board& board, QWidget* parent) : QWidget(parent), board_(board) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    // The cursor follows the zones of a lifted tan even while no button is held.
    setMouseTracking(true);
}

void BoardBox::setSilhouetteShown(bool shown) { silhouetteShown_ = shown; }

void BoardBox::resizeEvent(QResizeEvent*) { repaintBoard(); }

QRect BoardBox::lyingRect(int tan) const {
    if (tan == board_.liftedTan()) return {};
    return penArea(tanPolygonAt(tan, board_.tans()[tan - 1], board_.unitSize()));
}

QRect BoardBox::outlineRect() const {
    const int lifted = board_.liftedTan();
    if (lifted == 0) return {};
    return penArea(tanPolygonAt(lifted, board_.tans()[lifted - 1], board_.unitSize()));
}

void BoardBox::repaintBoard() {
    for (int tan = 1; tan <= TanCount; ++tan) drawnTans_[tan - 1] = lyingRect(tan);
    drawnOutline_ = outlineRect();
    update();
}

void BoardBox::showChange(const Change& change) {
    if (change.silhouette) {
        repaintBoard();
        return;
    }
    QRegion dirty;
    for (int tan = 1; tan <= TanCount; ++tan) {
        if (!change.playState && !change.hasTan(tan)) continue;
        QRect& drawn = drawnTans_[tan - 1];
        dirty += drawn;
        drawn = lyingRect(tan);
        dirty += drawn;
    }
    if (!dirty.isEmpty()) update(dirty);
    if (change.outline) {
        update(drawnOutline_);
        drawnOutline_ = outlineRect();
        update(drawnOutline_);
    }
}

void BoardBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, colours::Silver);
    const int unit = board_.unitSize();
    // Polygons outside the area are passed over: a drag step repaints two small rectangles.
    const auto draw = [&](const QPolygon& polygon) {
        if (penArea(polygon).intersects(area)) painter.drawPolygon(polygon);
    };
    if (silhouetteShown_ && board_.pattern()) {
        painter.setPen(colours::Grey);
        painter.setBrush(colours::Grey);
        for (int tan = 1; tan <= TanCount; ++tan) draw(tanPolygonAt(tan, (*board_.pattern())[tan - 1], unit));
    }
    const int lifted = board_.liftedTan();
    painter.setPen(colours::DarkGrey);
    painter.setBrush(fillColour(board_.lyingFill()));
    for (int tan = 1; tan <= TanCount; ++tan)
        if (tan != lifted) draw(tanPolygonAt(tan, board_.tans()[tan - 1], unit));
    if (lifted == 0) return;
    QPolygon outline = tanPolygonAt(lifted, board_.tans()[lifted - 1], unit);
    outline << outline.first();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(colours::Yellow);
    painter.drawPolyline(outline);
}

void BoardBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Q_EMIT mouseDown(event->button(), at.x(), at.y());
}

void BoardBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Q_EMIT mouseMove(event->buttons().testFlag(Qt::LeftButton), at.x(), at.y());
}

void BoardBox::wheelEvent(QWheelEvent* event) {
    // A notch is 120; touchpads and fine wheels send parts of one, which add up.
    constexpr int Notch = 120;
    wheelRest_ -= event->angleDelta().y();
    const int notches = wheelRest_ / Notch;
    wheelRest_ -= notches * Notch;
    if (notches != 0) Q_EMIT wheelTurn(notches);
    event->accept();
}

}  // namespace pivo
