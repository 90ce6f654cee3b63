#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The game's artwork: SVG drawings and texture images compiled into the program (src/resources/art/,
// textures made by tools/textures). Every picture is rendered once, at the size its list gives it.

namespace pivo::art {

/// Renders the drawing `name` (art/<name>.svg) onto a transparent image of `size`.
QImage render(const QString& name, QSize size);

/// Turns a rendered picture into a bitmap with `key` as its transparent colour. Pixels covered at
/// least half become the picture's colour at full strength, the others `key`: a hard outline, so no
/// pale fringe of half-blended pixels remains once `key` is made see-through. A picture pixel that
/// happens to be `key` is moved one step off it so that it stays visible.
QPixmap keyed(const QImage& picture, QColor key);

/// A rendered picture with a hard outline on full transparency, for the icon: pixels covered at
/// least half are opaque, the others clear.
QPixmap cutOut(const QImage& picture);

/// A button face: the drawing `name` over white, the faces' transparent colour.
QPixmap face(const QString& name, QSize size);

/// The highlighted look of a face: its colours a little lighter and a yellow rim around its outline.
QPixmap lit(const QPixmap& face);

/// The disabled look of a face: light greys from a palette of grey steps; white stays white.
QPixmap grey(const QPixmap& face);

/// A texture image (art/textures/<name>.png), used as it is.
QPixmap texture(const QString& name);

}  // namespace pivo::art
