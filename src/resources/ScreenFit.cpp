#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace pivo {

QRect movedInto(QRect frame, const QRect& area) {
    // Right and bottom first, then left and top, so that the top-left corner wins when the frame is too big.
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    return frame;
}

QRect fittedInto(QRect frame, const QRect& area) {
    frame.setSize(frame.size().boundedTo(area.size()));
    return movedInto(frame, area);
}

QMargins styleFrameOf(const QWidget& window) {
    const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return {border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border};
}

QScreen* screenHolding(const QRect& frame) {
    QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->geometry().intersected(frame);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

}  // namespace pivo
