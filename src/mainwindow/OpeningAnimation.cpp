#include "OpeningAnimation.h"

#include <QEvent>
#include <QRegion>
#include <QWidget>

#include <algorithm>

namespace pivo {

OpeningAnimation::OpeningAnimation(QWidget* window) : QObject(window), window_(window) {
    timer_.setInterval(StepMs);
    connect(&timer_, &QTimer::timeout, this, &OpeningAnimation::step);
    window_->installEventFilter(this);
}

QRect OpeningAnimation::visiblePart(QSize size, double progress) {
    const double share = std::clamp(progress, 0.0, 1.0);
    // At least one pixel shows: an empty mask would mean no mask at all, the whole window.
    const int width = std::max(1, int(size.width() * share));
    const int height = std::max(1, int(size.height() * share));
    return {(size.width() - width) / 2, (size.height() - height) / 2, width, height};
}

void OpeningAnimation::step() {
    if (++step_ >= Steps) {
        timer_.stop();
        window_->clearMask();
        return;
    }
    window_->setMask(visiblePart(window_->size(), double(step_) / Steps));
}

bool OpeningAnimation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Show) {
        window_->removeEventFilter(this);
        step_ = 0;
        window_->setMask(visiblePart(window_->size(), 0.0));
        timer_.start();
    }
    return false;
}

}  // namespace pivo
