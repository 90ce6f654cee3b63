#include "DialogFrame.h"

#include "resources/BitmapIndex.h"
#include "resources/Fonts.h"

#include <QLabel>

namespace pivo {

StonePanel* brandedBackground(QWidget* dialog, const BitmapList& list, bool versionRaised) {
    auto* background = new StonePanel(list, bmp::LightStone, dialog);
    background->setGeometry(dialog->rect());
    auto* logo = new LogoLabel(list, background);
    logo->setGeometry(0, 12, 105, 77);
    auto* progLabel = new RaisedLabel(QStringLiteral("Pivolet"), fonts::arial(37, true), true, background);
    progLabel->setObjectName(QStringLiteral("ProgLabel"));
    progLabel->setGeometry(12, 119, 53, 281);
    auto* versionLabel = new RaisedLabel(QStringLiteral("Version  V3.1"), fonts::arial(16, true), versionRaised,
                                          background);
    versionLabel->setObjectName(QStringLiteral("VersionLabel"));
    versionLabel->setGeometry(56, 130, 21, 266);
    return background;
}

bool isOkKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_J || key == Qt::Key_Y;
}

QLabel* whiteLabel(const char* name, QRect geometry, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

}  // namespace pivo
