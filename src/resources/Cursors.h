#pragma once

#include <QCursor>

namespace pivo::cursors {

/// Side of the board cursors and their hot spot on both axes.
inline constexpr int CursorSize = 32;
inline constexpr int HotSpot = 15;

/// Two curved arrows around a centre mark: the pointer turns the lifted tan. Drawn for a screen of
/// device pixel ratio `ratio`; its size and hot spot stay in layout pixels.
QCursor turn(qreal ratio = 1.0);
/// Four arrows pointing outward around a cross: the pointer moves the lifted tan.
QCursor move(qreal ratio = 1.0);

}  // namespace pivo::cursors
