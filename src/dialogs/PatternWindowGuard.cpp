#include "PatternWindowGuard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <utility>

#include <xcb/xproto.h>

namespace pivo {

PatternWindowGuard::PatternWindowGuard(QWidget& window, std::function<void()> destroyed)
    : window_(window), destroyed_(std::move(destroyed)), x11_(qGuiApp && qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
    if (x11_) QCoreApplication::instance()->installNativeEventFilter(this);
}

PatternWindowGuard::~PatternWindowGuard() {
    if (x11_ && QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool PatternWindowGuard::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
    const auto* destroy = static_cast<const xcb_destroy_notify_event_t*>(message);
    // Qt destroys its own windows only through the widget, which forgets its id first.
    if (destroy->window != window_.internalWinId()) return false;
    QTimer::singleShot(0, &window_, destroyed_);
    return false;
}

}  // namespace pivo
