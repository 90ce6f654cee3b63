#include "OptionDlg.h"

#include "resources/BitmapIndex.h"
#include "DialogFrame.h"
#include "resources/Fonts.h"
#include "resources/ImageButton.h"
#include "media/Music.h"
#include "model/OptionSteps.h"
#include "texts/OptionTexts.h"

#include <QKeyEvent>
#include <QLabel>

namespace pivo {
namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

ImageButton* rowButton(const char* name, const BitmapList& list, ButtonFaces faces, QPoint at, QWidget* parent) {
    auto* button = new ImageButton(list, faces, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->move(at);
    return button;
}

QLabel* rowLabel(const char* name, QRect geometry, QWidget* parent) {
    QLabel* label = whiteLabel(name, geometry, fonts::arial(16), parent);
    label->setWordWrap(false);
    return label;
}

}  // namespace

TOptionDlg::TOptionDlg(Preferences& preferences, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), preferences_(preferences), mainWindow_(mainWindow) {
    namespace o = bmp::option;
    const BitmapList& bmps = TDlgResources::shared().optionBitmaps();
    setFixedSize(497, 416);
    setFont(fonts::dialogDefault());
    auto* background = brandedBackground(this, bmps, true);
    okBtn_ = rowButton("OKBtn", bmps, ButtonFaces::pair(o::Tick), {436, 355}, background);
    connect(okBtn_, &QAbstractButton::clicked, this, &QDialog::accept);

    auto* inner = new StonePanel(bmps, bmp::DarkStone, background);
    inner->setGeometry(116, 12, 369, 333);
    optLabel_ = whiteLabel("OptLabel", {19, 12, 254, 29}, fonts::arial(21, true), inner);
    tongueBtn_ = rowButton("TongueBtn", bmps, ButtonFaces::pair(o::Lips), {16, 47}, inner);
    tongueLabel_ = rowLabel("TongueLabel", {76, 64, 285, 18}, inner);
    soundBtn_ = rowButton("SoundBtn", bmps, ButtonFaces::pair(o::Speaker), {16, 103}, inner);
    soundLabel_ = rowLabel("SoundLabel", {76, 120, 289, 18}, inner);
    musicBtn_ = rowButton("MusicBtn", bmps, {o::Clef, o::ClefSounding, o::Clef, o::ClefGrey}, {16, 159}, inner);
    musicLabel_ = rowLabel("MusicLabel", {76, 176, 289, 18}, inner);
    backBtn_ = rowButton("BackBtn", bmps, ButtonFaces::pair(o::Swatch), {16, 215}, inner);
    backLabel_ = rowLabel("BackLabel", {79, 232, 286, 18}, inner);
    patBtn_ = rowButton("PatBtn", bmps, ButtonFaces::pair(o::PatternWindow), {16, 271}, inner);
    patLabel_ = rowLabel("PatLabel", {79, 284, 286, 18}, inner);

    connect(tongueBtn_, &QAbstractButton::clicked, this, &TOptionDlg::TongueBtnClick);
    connect(soundBtn_, &QAbstractButton::clicked, this, &TOptionDlg::SoundBtnClick);
    connect(musicBtn_, &QAbstractButton::clicked, this, &TOptionDlg::MusicBtnClick);
    connect(backBtn_, &QAbstractButton::clicked, this, &TOptionDlg::BackBtnClick);
    connect(patBtn_, &QAbstractButton::clicked, this, &TOptionDlg::PatBtnClick);
}

void TOptionDlg::showOptions(Music& music) {
    music_ = &music;
    refreshTexts();
    exec();
    music_ = nullptr;
}

void TOptionDlg::showEvent(QShowEvent* event) {
    placeOverMainWindow(this, mainWindow_);
    QDialog::showEvent(event);
}

void TOptionDlg::refreshTexts() {
    const bool available = music_->musicAvailable();
    const OptionTexts t = optionTexts(preferences_, available, available ? music_->currentMusicName() : std::string());
    musicBtn_->setEnabled(available);
    okBtn_->setHint(text(t.okHint));
    optLabel_->setText(text(t.heading));
    tongueBtn_->setHint(text(t.tongueHint));
    tongueLabel_->setText(text(t.tongueLabel));
    soundBtn_->setHint(text(t.soundHint));
    soundLabel_->setText(text(t.soundLabel));
    musicBtn_->setHint(text(t.musicHint));
    musicLabel_->setText(text(t.musicLabel));
    backBtn_->setHint(text(t.backHint));
    backLabel_->setText(text(t.backLabel));
    patBtn_->setHint(text(t.patHint));
    patLabel_->setText(text(t.patLabel));
}

void TOptionDlg::TongueBtnClick() {
    preferences_.language = nextLanguage(preferences_.language);
    refreshTexts();
    Q_EMIT languageChanged();
}

void TOptionDlg::SoundBtnClick() {
    music_->toggleSound();
    refreshTexts();
}

void TOptionDlg::MusicBtnClick() {
    music_->toggleMusic();
    refreshTexts();
}

void TOptionDlg::BackBtnClick() {
    preferences_.background = nextBackground(preferences_.background);
    refreshTexts();
    Q_EMIT backgroundChanged();
}

void TOptionDlg::PatBtnClick() {
    preferences_.patternMode = nextPatternMode(preferences_.patternMode);
    refreshTexts();
    Q_EMIT patternModeChanged();
}

void TOptionDlg::keyPressEvent(QKeyEvent* event) {
    if (isOkKey(event->key())) accept();
}

}  // namespace pivo
