#include "TongueDlg.h"

#include "resources/BitmapIndex.h"
#include "resources/DialogChrome.h"
#include "texts/DialogTexts.h"
#include "resources/Fonts.h"
#include "resources/ImageButton.h"

#include <QKeyEvent>
#include <QLabel>

namespace pivo {
namespace {

QLabel* whiteLabel(std::string_view text, QRect geometry, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(geometry);
    label->setFont(fonts::arial(16));
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

}  // namespace

TTongueDlg::TTongueDlg(Preferences& preferences, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), preferences_(preferences) {
    const BitmapList& dlgs = TDlgResources::shared().dlgs();
    setFixedSize(408, 162);
    setFont(fonts::dialogDefault());
    auto* background = new StonePanel(dlgs, bmp::LightStone, this);
    background->setGeometry(rect());
    auto* logo = new LogoLabel(dlgs, background);
    logo->setGeometry(0, 12, 105, 77);
    auto* inner = new StonePanel(dlgs, bmp::DarkStone, background);
    inner->setGeometry(108, 12, 289, 137);
    germanBtn_ = new ImageButton(dlgs, ButtonFaces::pair(bmp::dlgs::GermanFlags), inner);
    germanBtn_->move(16, 15);
    whiteLabel(texts::ChooseGerman, {79, 32, 190, 18}, inner);
    englishBtn_ = new ImageButton(dlgs, ButtonFaces::pair(bmp::dlgs::EnglishFlags), inner);
    englishBtn_->move(16, 71);
    whiteLabel(texts::ChooseEnglish, {79, 88, 190, 18}, inner);
    connect(germanBtn_, &QAbstractButton::clicked, this, [this] { choose(Language::German); });
    connect(englishBtn_, &QAbstractButton::clicked, this, [this] { choose(Language::English); });
}

void TTongueDlg::choose(Language language) {
    preferences_.language = language;
    accept();
}

void TTongueDlg::keyPressEvent(QKeyEvent* event) { event->accept(); }

void TTongueDlg::showEvent(QShowEvent* event) {
    centreOnScreen(this);
    QDialog::showEvent(event);
}

}  // namespace pivo
