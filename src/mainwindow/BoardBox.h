#pragma once

#include "model/Board.h"

#include <QImage>
#include <QWidget>

namespace pivo {

/// The board (`box`): paints what the board model says and passes the mouse on in board pixels.
/// The lying tans and the silhouette live in an image kept up to date piece by piece; the lifted tan's
/// outline is laid over it in XOR at every paint, so a drag repaints only where the outline was and is.
class BoardBox : public QWidget {
    Q_OBJECT
public:
    BoardBox(const Board& board, QWidget* parent = nullptr);

    /// Whether the silhouette is painted under the tans (the pattern is shown on the board).
    void setSilhouetteShown(bool shown);
    /// Paints the whole board again from the model: silver, the silhouette, the lying tans.
    void repaintBoard();

    void drawTan(int tan, TanPlacement at, TanFill fill);
    void drawSilhouette();
    /// The lifted outline was toggled at `at`: that area shows the change at the next paint.
    void outlineToggled(int tan, TanPlacement at);

signals:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseMove(bool leftButtonHeld, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void paintSilhouette(QPainter& painter);

    const Board& board_;
    QImage image_;
    bool silhouetteShown_ = false;
};

/// The polygon of a tan on the board at `unit` pixels per board unit.
QPolygon tanPolygonAt(int tan, TanPlacement at, int unit);

}  // namespace pivo
