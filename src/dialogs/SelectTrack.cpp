#include "SelectTrack.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace pivo {

SelectTrack::SelectTrack(const Picture& thumb, QWidget* parent) : QSlider(Qt::Vertical, parent), thumb_(thumb) {
    setFocusPolicy(Qt::StrongFocus);
}

void SelectTrack::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int middle = width() / 2;
    p.fillRect(middle - 2, 2, 4, height() - 4, Qt::black);
    p.fillRect(middle - 1, 3, 2, height() - 6, QColor(127, 127, 127));
    // The picture goes where the style puts the handle, so that it is grabbed where it is seen.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QSize size = thumb_.size().scaled(width(), handle.height(), Qt::KeepAspectRatio);
    const QRect target(QPoint(middle - size.width() / 2, handle.center().y() - size.height() / 2), size);
    QPixmap thumb = thumb_.at(devicePixelRatioF());
    thumb.setMask(thumb.createMaskFromColor(Qt::white));
    p.drawPixmap(target, thumb);
}

void SelectTrack::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Right: setValue(value() + singleStep()); break;
        case Qt::Key_Down:
        case Qt::Key_Left: setValue(value() - singleStep()); break;
        case Qt::Key_PageUp: setValue(value() + pageStep()); break;
        case Qt::Key_PageDown: setValue(value() - pageStep()); break;
        default: event->ignore(); return;
    }
    event->accept();
}

void SelectTrack::turnWheel(int angleDelta) {
    if (angleDelta > 0) setValue(value() + singleStep());
    if (angleDelta < 0) setValue(value() - singleStep());
}

void SelectTrack::wheelEvent(QWheelEvent* event) {
    turnWheel(event->angleDelta().y());
    event->accept();
}

}  // namespace pivo
