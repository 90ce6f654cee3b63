#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <unordered_map>

// Watches an X server for the first paint into a top-level window. A damage record on the root window sees
// all drawing on the screen, and the root's structure events tell which parts of it belong to mapped top-level
// windows. On the benchmark's own server nothing else draws, and Qt gives its windows no background for the
// server to fill when they map, so the first damage inside a mapped top-level window is the program's first
// paint of its contents: the same yardstick for every program, whatever its own clock says.
struct _XDisplay;
union _XEvent;

class FirstPaintWatch {
public:
    using Clock = std::chrono::steady_clock;

    struct Paint {
        Clock::time_point when;
        int width = 0;  // of the window painted into
        int height = 0;
    };

    // Connects to the display; throws std::runtime_error without a display or the Damage extension.
    explicit FirstPaintWatch(const std::string& display);
    ~FirstPaintWatch();
    FirstPaintWatch(const FirstPaintWatch&) = delete;
    FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

    // Reads events until none has come for `quiet` (the screen repainted after the last program closed),
    // then forgets every window, so that only windows made from now on count.
    void settle(std::chrono::milliseconds quiet);

    // The first paint into a mapped top-level window made since the last settle(), or none by the deadline.
    std::optional<Paint> waitForFirstPaint(Clock::time_point deadline);

    // Keeps reading events until the deadline, so that none pile up while a program runs on.
    void drainUntil(Clock::time_point deadline);

private:
    struct TopLevel {
        int x, y, width, height;
        bool mapped = false;
    };

    // Waits until an event is queued or the deadline passes; false at the deadline.
    bool waitForEvent(Clock::time_point deadline);
    std::optional<Paint> handle(const _XEvent& event);

    _XDisplay* display_ = nullptr;
    unsigned long root_ = 0;  // X ids, kept out of this header with Xlib's names
    int damageEventBase_ = 0;
    unsigned long damage_ = 0;
    std::unordered_map<unsigned long, TopLevel> windows_;
};
