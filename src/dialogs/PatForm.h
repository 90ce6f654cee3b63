#pragma once

#include "PatternWindowGuard.h"
#include "TitleStrip.h"
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
/// the tangram and whether it is solved or given up. The title bar is its own, above the client area
/// that holds the pattern. While it is in use nothing makes it go away: a
/// close is refused, and a window minimised by the window manager comes back at the next refresh.
class TPatForm : public QWidget {
    Q_OBJECT
public:
    /// `position` is the window's top-left corner as stored in the settings; `mainWindow` is the window
    /// whose screen it goes onto when it would not lie wholly on a screen, and may be null.
    TPatForm(const Preferences& preferences, const GameModel& model, QPoint position, const QWidget* mainWindow);

    /// Sizes the window for the current pattern mode and shows it, restored if it was minimised. When it
    /// has grown, or lies off every screen, it is first moved wholly onto the main window's screen.
    void showForMode();
    /// Hides the window until it is shown again for a pattern mode; until then it can be closed.
    void withdraw();
    /// Rebuilds the title and repaints; brings the window back when it is in use but not to be seen.
    void refresh();
    /// Where the pattern lies in the window, below the title bar: 120 k + 1 by 80 k pixels.
    QRect clientRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setSizeForMode();
    void updateTitle();
    void keepOnScreen(bool grown);
    void remake();

    const Preferences& preferences_;
    const GameModel& model_;
    const QWidget* mainWindow_;
    bool inUse_ = false;
    /// The client size it had when last shown; empty before the first show.
    QSize shownSize_;
    TitleStrip* title_;
    PatternWindowGuard guard_;
};

}  // namespace pivo
