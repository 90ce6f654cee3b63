#include "FirstFrameWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace pivo {

FirstFrameWatch::FirstFrameWatch(std::function<void()> task) : task_(std::move(task)) {}

FirstFrameWatch::~FirstFrameWatch() {
    if (armed_ && QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

void FirstFrameWatch::arm() {
    if (armed_ || !QCoreApplication::instance()) return;
    armed_ = true;
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstFrameWatch::eventFilter(QObject* watched, QEvent* event) {
    if (armed_ && event->type() == QEvent::Paint) {
        armed_ = false;
        QCoreApplication::instance()->removeEventFilter(this);
        // Queued: the paint under way finishes and reaches the screen before the task runs.
        QTimer::singleShot(0, this, [this] { task_(); });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace pivo
