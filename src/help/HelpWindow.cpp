#include "HelpWindow.h"

#include <QFile>
#include <QUrl>

#include <fstream>
#include <iterator>

namespace pivo {

HelpWindow::HelpWindow(std::string folder) : folder_(std::move(folder)) {
    setOpenLinks(true);
    setOpenExternalLinks(true);
    resize(640, 720);
    connect(this, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(documentTitle()); });
}

void HelpWindow::showPage(const std::string& fileName) {
    const QUrl page = QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(folder_ + fileName)));
    if (source() != page) setSource(page);
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

QVariant HelpWindow::loadResource(int type, const QUrl& name) {
    if (!name.isLocalFile()) return QTextBrowser::loadResource(type, name);
    std::ifstream file(folder_ + QFile::encodeName(name.fileName()).toStdString(), std::ios::binary);
    if (!file) return {};
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return QByteArray::fromStdString(bytes);
}

}  // namespace pivo
