#include "BoardBox.h"

#include "BoardColours.h"

#include <QMouseEvent>
#include <QPainter>

namespace pivo {
namespace {

QColor fillColour(TanFill fill) {
    switch (fill) {
        case TanFill::Black: return colours::Black;
        case TanFill::Green: return colours::Green;
        case TanFill::Red: return colours::Red;
        case TanFill::Silver: return colours::Silver;
    }
    return colours::Black;
}

// Pixels a 1-pixel pen touches around a polygon: its bounding box, far edges included.
QRect touchedRect(const QPolygon& polygon) { return polygon.boundingRect().adjusted(0, 0, 1, 1); }

}  // namespace

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

void BoardBox::paintSilhouette(QPainter& painter) {
    if (!silhouetteShown_ || !board_.pattern()) return;
    painter.setPen(colours::Grey);
    painter.setBrush(colours::Grey);
    for (int tan = 1; tan <= TanCount; ++tan)
        painter.drawPolygon(tanPolygonAt(tan, (*board_.pattern())[tan - 1], board_.unitSize()));
}

void BoardBox::repaintBoard() {
    if (image_.size() != size()) image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(colours::Silver);
    QPainter painter(&image_);
    paintSilhouette(painter);
    const QColor fill = fillColour(board_.lyingFill());
    painter.setPen(colours::DarkGrey);
    painter.setBrush(fill);
    for (int tan = 1; tan <= TanCount; ++tan)
        if (tan != board_.liftedTan())
            painter.drawPolygon(tanPolygonAt(tan, board_.tans()[tan - 1], board_.unitSize()));
    update();
}

void BoardBox::drawTan(int tan, TanPlacement at, TanFill fill) {
    if (image_.isNull()) return;  // not sized yet: the first paint shows the whole board
    const QPolygon polygon = tanPolygonAt(tan, at, board_.unitSize());
    QPainter painter(&image_);
    painter.setPen(fill == TanFill::Silver ? colours::Silver : colours::DarkGrey);
    painter.setBrush(fillColour(fill));
    painter.drawPolygon(polygon);
    update(touchedRect(polygon));
}

void BoardBox::drawSilhouette() {
    if (image_.isNull() || !silhouetteShown_ || !board_.pattern()) return;
    QPainter painter(&image_);
    paintSilhouette(painter);
    QRect area;
    for (int tan = 1; tan <= TanCount; ++tan)
        area |= touchedRect(tanPolygonAt(tan, (*board_.pattern())[tan - 1], board_.unitSize()));
    update(area);
}

void BoardBox::outlineToggled(int tan, TanPlacement at) {
    update(touchedRect(tanPolygonAt(tan, at, board_.unitSize())));
}

void BoardBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), image_, area);
    const int lifted = board_.liftedTan();
    if (lifted == 0) return;
    QPolygon outline = tanPolygonAt(lifted, board_.tans()[lifted - 1], board_.unitSize());
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

}  // namespace pivo
