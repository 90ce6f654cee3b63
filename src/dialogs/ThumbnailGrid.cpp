#include "ThumbnailGrid.h"

#include "resources/BitmapIndex.h"
#include "resources/Fonts.h"
#include "model/Tans.h"

#include <QMouseEvent>
#include <QPainter>

namespace pivo {
namespace {

const QColor Silver(192, 192, 192);
const QColor FinishedGrey(127, 127, 127);

}  // namespace

ThumbnailGrid::ThumbnailGrid(const Catalogue& catalogue, const Progress& progress, const Picture& faceStrip,
                             QWidget* parent)
    : QWidget(parent), catalogue_(catalogue), progress_(progress), faceStrip_(faceStrip) {}

void ThumbnailGrid::setCells(const grid::Slots& cells, int first) {
    slots_ = cells;
    first_ = first;
    update();
}

void ThumbnailGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(fonts::dialogDefault());
    for (int cell = 0; cell < grid::Cells; ++cell) paintCell(p, cell);
}

void ThumbnailGrid::paintCell(QPainter& p, int cell) {
    const int x = grid::ColumnPitch * (cell % grid::Columns);
    const int y = grid::RowPitch * (cell / grid::Columns);
    p.setPen(Qt::black);
    p.setBrush(Silver);
    p.drawRect(x, y, grid::CellWidth - 1, grid::CellHeight - 1);
    const int slot = slots_[cell];
    if (slot == grid::NoTangram) return;
    p.drawText(QRect(x + 3, y + 1, grid::CellWidth - 6, grid::BandHeight), Qt::AlignLeft | Qt::AlignTop,
               QString::number(first_ + cell));
    const TangramStatus status = progress_.status(slot);
    if (const std::optional<int> face = grid::faceIndex(status)) {
        constexpr int size = bmp::select::FaceStripFace;
        const QPixmap& strip = faceStrip_.at(devicePixelRatioF());
        const qreal ratio = strip.devicePixelRatio();
        p.drawPixmap(QRectF(x + 103, y + 2, size, size), strip,
                     QRectF(size * *face * ratio, 0, size * ratio, size * ratio));
    }
    p.setBrush(status.finished() ? FinishedGrey : QColor(Qt::black));
    const Placement& solution = catalogue_.entry(slot).placement;
    for (int tan = 1; tan <= TanCount; ++tan) {
        std::array<Point, 4> corners{};
        const int count = tanPolygon(tan, solution[tan - 1], 1, corners);
        QPolygon polygon;
        for (int i = 0; i < count; ++i) polygon << QPoint(x + corners[i].x, y + grid::BandHeight + corners[i].y);
        p.drawPolygon(polygon);
    }
}

void ThumbnailGrid::mousePressEvent(QMouseEvent* event) { Q_EMIT mouseDown(event->position().toPoint()); }

}  // namespace pivo
