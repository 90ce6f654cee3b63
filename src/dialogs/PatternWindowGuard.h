#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

namespace pivo {

/// Keeps the pattern window from getting lost under an X11 window manager. The window flags ask for a
/// title bar without buttons, but some window managers (Openbox among them) give every utility window
/// minimise, maximise and close buttons whatever its hints say; they leave the first two off a window
/// that calls itself a tool bar. And the native window can be destroyed from outside the game
/// (`xdotool windowclose` does so), which no close handler can refuse: the guard tells when that
/// happened, so that the window can be made anew. On other platforms it does nothing.
class PatternWindowGuard : public QAbstractNativeEventFilter {
public:
    /// `destroyed` runs from the event loop after the native window of `window` was destroyed.
    PatternWindowGuard(QWidget& window, std::function<void()> destroyed);
    ~PatternWindowGuard() override;
    PatternWindowGuard(const PatternWindowGuard&) = delete;
    PatternWindowGuard& operator=(const PatternWindowGuard&) = delete;

    /// Asks for a title bar without minimise and maximise buttons. Creates the native window; must run
    /// before the window is mapped.
    void askForTitleBarOnly();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget& window_;
    std::function<void()> destroyed_;
    bool x11_ = false;
};

}  // namespace pivo
