#pragma once

#include <QMargins>
#include <QRect>

class QScreen;
class QWidget;

namespace pivo {

/// `frame` moved the least distance that puts it wholly inside `area`. A frame wider or taller than the
/// area gets its left or top edge on the area's, so that its title bar and first buttons stay reachable.
QRect movedInto(QRect frame, const QRect& area);
/// `frame` made no wider or taller than `area`, then moved into it.
QRect fittedInto(QRect frame, const QRect& area);
/// The frame of a window in `window`'s style: it stands for the window system's frame until that is known.
QMargins styleFrameOf(const QWidget& window);
/// The screen that holds the largest part of `frame`; none when it lies off every screen.
QScreen* screenHolding(const QRect& frame);

}  // namespace pivo
