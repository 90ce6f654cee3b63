#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

#include <functional>

class QPainter;

// Stand-in pictures drawn in code, until the artwork replaces them: button faces, stone textures,
// the logo, the background sheet and the tip-level faces.

namespace pivo::faces {

/// The three looks of a tool-bar button.
enum class Look { Normal, Lit, Grey };

/// Draws a symbol in white (or its grey) into the square or strip it is given.
using Symbol = std::function<void(QPainter&, const QRectF&)>;

/// A rounded coloured face on white (the transparent colour) with a symbol on it.
QPixmap face(QSize size, QColor colour, Look look, const Symbol& symbol);
/// A face carrying a letter or short text.
QPixmap letterFace(QSize size, QColor colour, Look look, const QString& letter);
/// A plain white face: the transparent blank of every list.
QPixmap blank();

Symbol tick();
Symbol cross();
Symbol arrow(bool up);
Symbol sunburst();
Symbol diskette();
Symbol bulb(bool lit);
Symbol barChart();
Symbol cards();
Symbol tangramSquare();
Symbol door();
Symbol tools();
Symbol lips(bool tongue);
Symbol speaker(bool waves);
Symbol swatch();
Symbol smallWindow();

/// Three flags (Austria, Germany, Switzerland) or two (United States, United Kingdom) on white.
QPixmap flags(bool german, Look look);

/// A stone texture 160 x 120 around a base grey; the same seed gives the same stones.
QPixmap stone(int baseGrey, unsigned seed);
/// The logo, 100 x 75: a cartoon head on magenta, the logo's transparent colour.
QPixmap logo();
/// The main window's sheet, 200 x 600: per style a window tile and a tool-bar tile.
QPixmap backgroundSheet();
/// Eight faces of 15 x 15 in a row, from a red unhappy face to a green happy one.
QPixmap faceStrip();
/// Two small arrows, 50 x 25.
QPixmap smallArrows();

/// The tangram square's seven pieces in black, divided by transparent gaps, `size` pixels wide.
QPixmap tangramIcon(int size);

}  // namespace pivo::faces
