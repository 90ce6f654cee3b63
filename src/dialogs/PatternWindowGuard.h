#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

namespace pivo {

/// Tells when the native window of the pattern window was destroyed from outside the game, under X11
/// (`xdotool windowclose` does so): no close handler can refuse that, but the window can be made anew.
/// On other platforms it does nothing.
class PatternWindowGuard : public QAbstractNativeEventFilter {
public:
    /// `destroyed` runs from the event loop after the native window of `window` was destroyed.
    PatternWindowGuard(QWidget& window, std::function<void()> destroyed);
    ~PatternWindowGuard() override;
    PatternWindowGuard(const PatternWindowGuard&) = delete;
    PatternWindowGuard& operator=(const PatternWindowGuard&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget& window_;
    std::function<void()> destroyed_;
    bool x11_ = false;
};

}  // namespace pivo
