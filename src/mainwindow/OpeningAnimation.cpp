#include "OpeningAnimation.h"

#include <QEvent>
#include <QRegion>
#include <QWidget>

#include <algorithm>

namespace pivo {

OpeningAnimation::OpeningAnimation(QWidget* window) : QVariantAnimation(window), window_(window) {
    setStartValue(0.0);
    setEndValue(1.0);
    setDuration(DurationMs);
    connect(this, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const double progress = value.toDouble();
        if (progress < 1.0)
            window_->setMask(visiblePart(window_->size(), progress));
        else
            window_->clearMask();
    });
    window_->installEventFilter(this);
}

bool OpeningAnimation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Show) {
        window_->removeEventFilter(this);
        start();
    }
    return false;
}

QRect OpeningAnimation::visiblePart(QSize size, double progress) {
    const double share = std::clamp(progress, 0.0, 1.0);
    // At least one pixel shows: an empty mask would mean no mask at all, the whole window.
    const int width = std::max(1, int(size.width() * share));
    const int height = std::max(1, int(size.height() * share));
    return {(size.width() - width) / 2, (size.height() - height) / 2, width, height};
}

}  // namespace pivo
