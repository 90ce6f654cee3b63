#include "ContactSheet.h"

#include "RecordLabel.h"

#include <QPainter>
#include <QPolygon>

#include <new>
#include <utility>

namespace pivo::tool {
namespace {

constexpr int Gap = 4;
/// Above this many figures the sheet is drawn at half the scale with twice the columns.
constexpr int LargeSelection = 600;
const QColor Silver(192, 192, 192);
const QColor Paper(255, 255, 255);

void drawSilhouette(QPainter& painter, const Placement& placement, int scale) {
    std::array<Point, 4> points{};
    for (int tan = 1; tan <= TanCount; ++tan) {
        const int count = tanPolygon(tan, placement[tan - 1], scale, points);
        QPolygon polygon;
        for (int i = 0; i < count; ++i) polygon << QPoint(points[i].x, points[i].y);
        painter.drawPolygon(polygon);
    }
}

}  // namespace

ContactSheet::ContactSheet(const Catalogue& catalogue, std::optional<int> category, std::vector<int> ratings)
    : catalogue_(catalogue), ratings_(std::move(ratings)) {
    for (int i = 1; i <= catalogue.tangramCount(); ++i) {
        const CatalogueEntry& e = catalogue.entry(i);
        if (category && e.storedCategory != *category) continue;
        if (catalogue.isPlayable(i))
            figures_.push_back(i);
        else
            ++leftOut_;
    }
}

ContactSheet::Layout ContactSheet::layout() const {
    if (figureCount() > LargeSelection) return {1, 12, 14};
    return {2, 6, 20};
}

QImage ContactSheet::render() const {
    const Layout l = layout();
    const int cellWidth = BoardWidth * l.scale;
    const int lines = ratings_.empty() ? 1 : 2;
    const int cellHeight = BoardHeight * l.scale + lines * l.lineHeight;
    const int columns = std::max(1, std::min(l.columns, figureCount()));
    const int rows = (figureCount() + columns - 1) / columns;
    QImage sheet(Gap + columns * (cellWidth + Gap), Gap + std::max(rows, 1) * (cellHeight + Gap), QImage::Format_RGB32);
    // Qt answers a failed allocation with a null image, on which every later step would fail quietly.
    if (sheet.isNull()) throw std::bad_alloc();
    sheet.fill(Paper);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(l.lineHeight * 2 / 3);
    painter.setFont(font);
    for (int k = 0; k < figureCount(); ++k) {
        const CatalogueEntry& e = catalogue_.entry(figures_[k]);
        const QPoint origin(Gap + (k % columns) * (cellWidth + Gap), Gap + (k / columns) * (cellHeight + Gap));
        painter.fillRect(QRect(origin, QSize(cellWidth, BoardHeight * l.scale)), Silver);
        painter.save();
        painter.translate(origin);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::black);
        drawSilhouette(painter, e.placement, l.scale);
        painter.restore();
        painter.setPen(Qt::black);
        const int labelTop = origin.y() + BoardHeight * l.scale;
        painter.drawText(QRect(origin.x(), labelTop, cellWidth, l.lineHeight), Qt::AlignCenter,
                         QString::fromStdString(playerLabel(e)));
        if (lines == 2) {
            const int rating = ratings_.at(figures_[k] - 1);
            painter.drawText(QRect(origin.x(), labelTop + l.lineHeight, cellWidth, l.lineHeight), Qt::AlignCenter,
                             rating > 0 ? QString("rating %1").arg(rating) : QString("no rating"));
        }
    }
    // Everything on the sheet is grey, and a whole catalogue at four bytes a pixel is too big for
    // common image viewers to open.
    return sheet.convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace pivo::tool
