#pragma once

#include <QRect>

class QScreen;

namespace pivo {

/// `frame` moved the least distance that puts it wholly inside `area`. A frame wider or taller than the
/// area gets its left or top edge on the area's, so that its title bar and first buttons stay reachable.
QRect movedInto(QRect frame, const QRect& area);
/// `frame` made no wider or taller than `area`, then moved into it.
QRect fittedInto(QRect frame, const QRect& area);
/// The screen that holds the largest part of `frame`; none when it lies off every screen.
QScreen* screenHolding(const QRect& frame);

}  // namespace pivo
