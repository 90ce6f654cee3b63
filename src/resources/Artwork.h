#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

// The game's artwork: SVG drawings and texture images compiled into the program (src/resources/art/,
// textures made by tools/textures). Every drawing is rendered at the size its list gives it, in device
// pixels of the screen it is shown on; the faces made from others keep their picture's ratio.

namespace pivo::art {

/// Renders the drawing `name` (art/<name>.svg) onto a transparent image of `size` layout pixels at the
/// device pixel ratio `ratio`.
QImage render(const QString& name, QSize size, qreal ratio = 1.0);

/// Turns a rendered picture into a bitmap with `key` as its transparent colour. Pixels covered at
/// least half become the picture's colour at full strength, the others `key`: a hard outline, so no
/// pale fringe of half-blended pixels remains once `key` is made see-through. A picture pixel that
/// happens to be `key` is moved one step off it so that it stays visible.
QPixmap keyed(const QImage& picture, QColor key);

/// A rendered picture with a hard outline on full transparency, for the icon: pixels covered at
/// least half are opaque, the others clear.
QPixmap cutOut(const QImage& picture);

/// The highlighted look of a face: its colours a little lighter and a yellow rim two layout pixels wide
/// around its outline.
QPixmap lit(const QPixmap& face);

/// The disabled look of a face: light greys from a palette of grey steps; white stays white.
QPixmap grey(const QPixmap& face);

/// A texture image (art/textures/<name>.png), used as it is; with `part`, only that rectangle of it.
QPixmap texture(const QString& name, QRect part = {});

}  // namespace pivo::art
