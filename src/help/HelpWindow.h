#pragma once

#include <QTextBrowser>

#include <string>

namespace pivo {

/// The window that shows the rules: a plain HTML viewer of its own, with no owner, so that it stays
/// open beside the game and the player can read while playing.
class HelpWindow : public QTextBrowser {
public:
    /// `folder` holds the pages; it is given in the file system's own bytes and ends with a separator.
    explicit HelpWindow(std::string folder);

    /// Loads the page `fileName` of the folder unless it is already shown, then brings the window to
    /// the front.
    void showPage(const std::string& fileName);

protected:
    /// Pages, and the pages they link to, are read by file name from the folder in its own bytes:
    /// a folder name that is not UTF-8 would not survive the way through a URL.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::string folder_;
};

}  // namespace pivo
