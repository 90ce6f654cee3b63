#pragma once

#include <QFont>

namespace pivo::fonts {

/// Arial at a pixel size; Liberation Sans has Arial's metrics.
QFont arial(int pixelSize, bool bold = false);
/// The dialogs' default font, bold "MS Sans Serif" 8 pt: a sans of the same 11-pixel height.
QFont dialogDefault();

}  // namespace pivo::fonts
