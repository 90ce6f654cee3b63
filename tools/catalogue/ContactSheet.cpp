#include "ContactSheet.h"

#include "RecordLabel.h"

#include <QPainter>
#include <QPolygon>

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

ContactSheet::ContactSheet(const Catalogue& catalogue, std::optional<int> category) : catalogue_(catalogue) {
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
    const int cellHeight = BoardHeight * l.scale + l.labelHeight;
    const int columns = std::max(1, std::min(l.columns, figureCount()));
    const int rows = (figureCount() + columns - 1) / columns;
    QImage sheet(Gap + columns * (cellWidth + Gap), Gap + std::max(rows, 1) * (cellHeight + Gap), QImage::Format_RGB32);
    sheet.fill(Paper);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(l.labelHeight * 2 / 3);
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
        painter.drawText(QRect(origin.x(), origin.y() + BoardHeight * l.scale, cellWidth, l.labelHeight),
                         Qt::AlignCenter, QString::fromStdString(playerLabel(e)));
    }
    // Everything on the sheet is grey, and a whole catalogue at four bytes a pixel is too big for
    // common image viewers to open.
    return sheet.convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace pivo::tool
