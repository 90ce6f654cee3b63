#pragma once

#include <QVariantAnimation>

class QWidget;

namespace pivo {

/// The main window's opening: the window shows first as a small rectangle at its centre that grows
/// to the whole window. It only masks the window, so the window keeps its size and paints once.
/// It runs at the window's first show and is owned by the window.
class OpeningAnimation : public QVariantAnimation {
public:
    explicit OpeningAnimation(QWidget* window);

    /// How long the window takes to open.
    static constexpr int DurationMs = 200;

    /// The part of a window of `size` that shows `progress` (0..1) of the way through: a rectangle of
    /// that share of the window's width and height, centred.
    static QRect visiblePart(QSize size, double progress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
};

}  // namespace pivo
