#include "FirstPaintWatch.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <algorithm>
#include <stdexcept>

FirstPaintWatch::FirstPaintWatch(const std::string& display) {
    display_ = XOpenDisplay(display.c_str());
    if (!display_) throw std::runtime_error("cannot open display " + display);
    int damageErrorBase = 0;
    if (!XDamageQueryExtension(display_, &damageEventBase_, &damageErrorBase)) {
        XCloseDisplay(display_);
        throw std::runtime_error("the X server has no Damage extension");
    }
    root_ = DefaultRootWindow(display_);
    XSelectInput(display_, root_, SubstructureNotifyMask);
    damage_ = XDamageCreate(display_, root_, XDamageReportRawRectangles);
    // Windows open in the middle of the screen or at its top left; a pointer over them could be drawn into
    // them before they are, where the server draws the pointer itself.
    const Screen* screen = DefaultScreenOfDisplay(display_);
    XWarpPointer(display_, None, root_, 0, 0, 0, 0, screen->width - 1, screen->height - 1);
    XSync(display_, False);
}

FirstPaintWatch::~FirstPaintWatch() {
    XDamageDestroy(display_, damage_);
    XCloseDisplay(display_);
}

bool FirstPaintWatch::waitForEvent(Clock::time_point deadline) {
    while (!XPending(display_)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(std::min<long long>(left, 100)));
    }
    return true;
}

void FirstPaintWatch::settle(std::chrono::milliseconds quiet) {
    XSync(display_, False);
    while (waitForEvent(Clock::now() + quiet)) {
        XEvent event;
        XNextEvent(display_, &event);
    }
    windows_.clear();
}

std::optional<FirstPaintWatch::Paint> FirstPaintWatch::waitForFirstPaint(Clock::time_point deadline) {
    while (waitForEvent(deadline)) {
        XEvent event;
        XNextEvent(display_, &event);
        if (auto paint = handle(event)) return paint;
    }
    return std::nullopt;
}

void FirstPaintWatch::drainUntil(Clock::time_point deadline) {
    while (waitForEvent(deadline)) {
        XEvent event;
        XNextEvent(display_, &event);
        handle(event);
    }
}

std::optional<FirstPaintWatch::Paint> FirstPaintWatch::handle(const XEvent& event) {
    switch (event.type) {
    case CreateNotify: {
        const XCreateWindowEvent& created = event.xcreatewindow;
        if (created.parent == root_)
            windows_[created.window] = {created.x, created.y, created.width + 2 * created.border_width,
                                        created.height + 2 * created.border_width};
        break;
    }
    case ConfigureNotify: {
        const XConfigureEvent& configured = event.xconfigure;
        if (auto found = windows_.find(configured.window); found != windows_.end())
            found->second = {configured.x, configured.y, configured.width + 2 * configured.border_width,
                             configured.height + 2 * configured.border_width, found->second.mapped};
        break;
    }
    case MapNotify:
        if (auto found = windows_.find(event.xmap.window); found != windows_.end()) found->second.mapped = true;
        break;
    case UnmapNotify:
        if (auto found = windows_.find(event.xunmap.window); found != windows_.end()) found->second.mapped = false;
        break;
    case DestroyNotify:
        windows_.erase(event.xdestroywindow.window);
        break;
    default:
        if (event.type == damageEventBase_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            const XRectangle& area = damage.area;
            for (const auto& [window, top] : windows_)
                if (top.mapped && area.x < top.x + top.width && top.x < area.x + area.width &&
                    area.y < top.y + top.height && top.y < area.y + area.height)
                    return Paint{Clock::now(), top.width, top.height};
        }
    }
    return std::nullopt;
}
