#include "HelpWindow.h"

#include <QUrl>

namespace pivo {

HelpWindow::HelpWindow() {
    setOpenLinks(true);
    setOpenExternalLinks(true);
    resize(640, 720);
    connect(this, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(documentTitle()); });
}

void HelpWindow::showPage(const QString& path) {
    const QUrl page = QUrl::fromLocalFile(path);
    if (source() != page) setSource(page);
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

}  // namespace pivo
