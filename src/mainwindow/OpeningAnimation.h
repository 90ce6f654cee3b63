#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>

class QWidget;

namespace pivo {

/// The main window's opening: the window shows first as a small rectangle at its centre that grows
/// to the whole window. It only masks the window, so the window keeps its size and paints once.
/// It runs at the window's first show and is owned by the window.
///
/// It goes by steps, not by the clock: when the music's synthesiser starts right after the first
/// frame and holds up the event loop, the opening resumes where it stopped instead of jumping to its
/// end.
class OpeningAnimation : public QObject {
    Q_OBJECT
public:
    explicit OpeningAnimation(QWidget* window);

    static constexpr int Steps = 12;
    static constexpr int StepMs = 16;

    /// The part of a window of `size` that shows `progress` (0..1) of the way through: a rectangle of
    /// that share of the window's width and height, centred.
    static QRect visiblePart(QSize size, double progress);

    /// Shows the next step; after the last the whole window shows and the opening is over.
    void step();
    bool running() const { return timer_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QTimer timer_;
    int step_ = 0;
};

}  // namespace pivo
