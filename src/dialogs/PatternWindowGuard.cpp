#include "PatternWindowGuard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <utility>

// The X11 headers come last: their macros (None, Bool, Status…) would clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <xcb/xproto.h>

namespace pivo {

namespace {

Display* x11Display() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

}  // namespace

PatternWindowGuard::PatternWindowGuard(QWidget& window, std::function<void()> destroyed)
    : window_(window), destroyed_(std::move(destroyed)), x11_(x11Display() != nullptr) {
    if (x11_) QCoreApplication::instance()->installNativeEventFilter(this);
}

PatternWindowGuard::~PatternWindowGuard() {
    if (x11_ && QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

void PatternWindowGuard::askForTitleBarOnly() {
    Display* display = x11Display();
    if (!display) return;
    // In order of preference; a window manager that knows no tool bars takes the utility window.
    Atom types[] = {XInternAtom(display, "_NET_WM_WINDOW_TYPE_TOOLBAR", False),
                    XInternAtom(display, "_NET_WM_WINDOW_TYPE_UTILITY", False)};
    XChangeProperty(display, static_cast<Window>(window_.winId()), XInternAtom(display, "_NET_WM_WINDOW_TYPE", False),
                    XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(types), 2);
    XFlush(display);
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
