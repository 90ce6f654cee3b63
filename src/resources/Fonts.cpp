#include "Fonts.h"

#include <QStringList>

namespace pivo::fonts {
namespace {

// Liberation Sans is metric-compatible with Arial; DejaVu Sans only stands in where it is missing.
QFont sans(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont arial(int pixelSize, bool bold) { return sans(pixelSize, bold); }

// 8 pt at the 96 dpi the dialogs were laid out for is 11 pixels; a pixel size keeps the layout
// independent of the screen's dpi.
QFont dialogDefault() { return sans(11, true); }

}  // namespace pivo::fonts
