#include "AboutDlg.h"

#include "resources/BitmapIndex.h"
#include "resources/DialogChrome.h"
#include "resources/Fonts.h"
#include "resources/ImageButton.h"

#include <QKeyEvent>

namespace pivo {

TAboutDlg::TAboutDlg(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
    const BitmapList& bmps = TDlgResources::shared().dlgs();
    setFixedSize(400, 230);
    setFont(fonts::dialogDefault());
    auto* background = new StonePanel(bmps, bmp::LightStone, this);
    background->setGeometry(rect());
    auto* logo = new LogoLabel(bmps, background);
    logo->setGeometry(0, 12, 105, 77);
    auto* okBtn = new ImageButton(bmps, ButtonFaces::pair(bmp::dlgs::Tick), background);
    okBtn->setObjectName(QStringLiteral("OKBtn"));
    okBtn->move(340, 169);
    connect(okBtn, &QAbstractButton::clicked, this, &QDialog::accept);

    auto* inner = new StonePanel(bmps, bmp::DarkStone, background);
    inner->setGeometry(116, 12, 273, 145);
    auto* progLabel = new RaisedLabel(QStringLiteral("Pivolet"), fonts::arial(37, true), true, inner);
    progLabel->setObjectName(QStringLiteral("ProgLabel"));
    progLabel->setUpright(true);
    progLabel->setGeometry(12, 28, 249, 50);
    auto* versionLabel = new RaisedLabel(QStringLiteral("Version  V3.1"), fonts::arial(16, true), true, inner);
    versionLabel->setObjectName(QStringLiteral("VersionLabel"));
    versionLabel->setUpright(true);
    versionLabel->setGeometry(12, 88, 249, 26);
}

void TAboutDlg::showAbout() { exec(); }

void TAboutDlg::showEvent(QShowEvent* event) {
    placeOverMainWindow(this, mainWindow_);
    QDialog::showEvent(event);
}

void TAboutDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: accept(); break;
        default: break;
    }
}

}  // namespace pivo
