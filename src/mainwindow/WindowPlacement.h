#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>

#include <optional>

namespace pivo {

/// The main window's placement as the settings keep it (the bytes of QWidget::saveGeometry): the client
/// rectangle of the normal, not maximised window, the frame the window system drew around the window
/// when it was stored, and whether it was maximised.
struct WindowPlacement {
    QRect normal;
    QMargins frame;
    bool maximised = false;
};

/// Reads a stored placement; none when the bytes are not one. A frame that cannot be a window frame
/// (negative, or wider than any title bar) reads as none.
std::optional<WindowPlacement> readWindowPlacement(const QByteArray& saved);

/// The client rectangle `normal`, with `frame` around it, brought within `area`: made no larger, then
/// moved the least it must.
QRect fitWithin(const QRect& normal, const QMargins& frame, const QRect& area);

}  // namespace pivo
