#pragma once

#include <QTextBrowser>

namespace pivo {

/// The window that shows the rules: a plain HTML viewer of its own, with no owner, so that it stays
/// open beside the game and the player can read while playing.
class HelpWindow : public QTextBrowser {
public:
    HelpWindow();

    /// Loads the page at `path` unless it is already shown, then brings the window to the front.
    void showPage(const QString& path);
};

}  // namespace pivo
