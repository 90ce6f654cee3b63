#pragma once

#include "model/GameModel.h"
#include "model/Preferences.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

namespace pivo {

/// Pixels per board unit of the pattern window for a pattern mode: small 2, medium 3, big 4. Mode 0
/// (pattern on the board) gives the small scale; a mode beyond the big one gives the big one.
int patternScale(int patternMode);
/// Client size for a pattern mode: the board's 120 x 80 units at the mode's scale, one pixel wider.
QSize patternClientSize(int patternMode);

/// The floating pattern window: the current tangram's silhouette, black on silver, above every other
/// window. It has a title bar to move it by, but no buttons, and cannot be resized; its title names
/// the tangram and whether it is solved or given up.
class TPatForm : public QWidget {
    Q_OBJECT
public:
    /// `position` is the window's top-left corner as stored in the settings.
    TPatForm(const Preferences& preferences, const GameModel& model, QPoint position);

    /// Sizes the window for the current pattern mode and shows it.
    void showForMode();
    /// Rebuilds the title and repaints.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Preferences& preferences_;
    const GameModel& model_;
};

}  // namespace pivo
