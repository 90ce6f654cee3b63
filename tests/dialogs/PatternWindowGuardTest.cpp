#include "dialogs/PatternWindowGuard.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <xcb/xproto.h>

using namespace pivo;

namespace {

xcb_destroy_notify_event_t destroyNotify(xcb_window_t window, bool sent) {
    xcb_destroy_notify_event_t event{};
    // The X server marks events another client sent with the top bit.
    event.response_type = XCB_DESTROY_NOTIFY | (sent ? 0x80 : 0);
    event.event = window;
    event.window = window;
    return event;
}

}  // namespace

// The end of the guarded window's native window is told once, from the event loop; the end of any
// other window, or another event of the guarded one, is not.
TEST(PatternWindowGuard, TellsTheEndOfItsOwnWindowOnly) {
    QWidget window(nullptr, Qt::Tool);
    QWidget other(nullptr, Qt::Tool);
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto otherId = static_cast<xcb_window_t>(other.winId());
    int ends = 0;
    PatternWindowGuard guard(window, [&] { ++ends; });

    const QByteArray xcb("xcb_generic_event_t");
    auto elsewhere = destroyNotify(otherId, false);
    EXPECT_FALSE(guard.nativeEventFilter(xcb, &elsewhere, nullptr));
    xcb_unmap_notify_event_t unmap{};
    unmap.response_type = XCB_UNMAP_NOTIFY;
    unmap.window = id;
    guard.nativeEventFilter(xcb, &unmap, nullptr);
    auto own = destroyNotify(id, true);
    EXPECT_FALSE(guard.nativeEventFilter(xcb, &own, nullptr)) << "Qt still sees the event";
    EXPECT_EQ(ends, 0) << "not while the event is being delivered";
    QTest::qWait(20);
    EXPECT_EQ(ends, 1);
}
