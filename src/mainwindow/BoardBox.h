#pragma once

#include "model/Board.h"

#include <QWidget>

#include <array>

namespace pivo {

/// The board (`box`): paints the board model's state and passes the mouse on in board pixels.
/// It keeps no picture of its own: every paint draws silver, the silhouette and the lying tans from the
/// model straight into the window, within the area asked for. After each change it asks for a paint
/// only of the rectangles where something was or now is, so it remembers where it last drew each tan
/// and the lifted outline. The outline is laid over them in XOR, so a drag repaints only where the
/// outline was and is.
class BoardBox : public QWidget {
    Q_OBJECT
public:
    BoardBox(const Board& board, QWidget* parent = nullptr);

    /// Whether the silhouette is painted under the tans (the pattern is shown on the board).
    void setSilhouetteShown(bool shown);
    /// Paints the whole board again from the model: silver, the silhouette, the lying tans.
    void repaintBoard();
    /// Repaints what `change` says is new: the tans it names, all lying tans when the play state
    /// changed, the whole board for another silhouette, and the outline.
    void showChange(const Change& change);

signals:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseMove(bool leftButtonHeld, int x, int y);
    /// The wheel turned by whole notches: positive rolled towards the player, negative away.
    void wheelTurn(int notches);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    /// Where tan `tan` lies on the board now; empty while it is lifted.
    QRect lyingRect(int tan) const;
    /// Where the lifted outline is now; empty when nothing is lifted.
    QRect outlineRect() const;

    const Board& board_;
    bool silhouetteShown_ = false;
    /// What the last paint shows: each tan's rectangle, and the outline's.
    std::array<QRect, TanCount> drawnTans_{};
    QRect drawnOutline_;
    /// What a fine-stepped wheel turned short of a whole notch.
    int wheelRest_ = 0;
};

/// The polygon of a tan on the board at `unit` pixels per board unit.
QPolygon tanPolygonAt(int tan, TanPlacement at, int unit);

/// The pixels a 1-pixel pen may touch when it draws the polygon's edges, at any device pixel ratio: what
/// a repaint must cover so that no edge of the outline is left behind.
QRect penArea(const QPolygon& polygon);

}  // namespace pivo
