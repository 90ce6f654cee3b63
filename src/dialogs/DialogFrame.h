#pragma once

#include "resources/DialogChrome.h"

#include <QFont>
#include <QRect>

class QLabel;

namespace pivo {

/// The outer stone panel that fills a dialog of the selection, options and statistics kind, with the
/// logo at its top left and "Pivolet" (raised) and "Version  V3.1" turned below it. The version is
/// raised too in the selection and options dialogs, flat in the statistics dialog. The dialog's
/// other controls go on the panel.
StonePanel* brandedBackground(QWidget* dialog, const BitmapList& list, bool versionRaised);

/// Enter, J and Y: the keys that close the options and statistics dialogs with OK.
bool isOkKey(int key);

/// A white label on a transparent background, text at the top left, wrapped.
QLabel* whiteLabel(const char* name, QRect geometry, const QFont& font, QWidget* parent);

}  // namespace pivo
