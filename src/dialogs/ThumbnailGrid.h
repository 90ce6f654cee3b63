#pragma once

#include "model/Catalogue.h"
#include "model/Progress.h"
#include "model/SelectionGrid.h"
#include "resources/BitmapList.h"

#include <QWidget>

namespace pivo {

/// The selection dialog's paint box `box`: nine cells of 120 x 95 at a pitch of 125 x 100, each with
/// its number, the face for its tips and its silhouette at one pixel a board unit, black while the
/// tangram is open and grey with black edges once it is finished. A cell without a tangram stays
/// blank.
class ThumbnailGrid : public QWidget {
    Q_OBJECT
public:
    ThumbnailGrid(const Catalogue& catalogue, const Progress& progress, const Picture& faceStrip,
                  QWidget* parent = nullptr);

    /// The tangrams to show, and the number of the top-left cell.
    void setCells(const grid::Slots& cells, int first);

signals:
    /// Any mouse button went down at a point of the grid.
    void mouseDown(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintCell(QPainter& p, int cell);

    const Catalogue& catalogue_;
    const Progress& progress_;
    const Picture& faceStrip_;
    grid::Slots slots_{};
    int first_ = 1;
};

}  // namespace pivo
