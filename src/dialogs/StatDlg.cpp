#include "StatDlg.h"

#include "resources/BitmapIndex.h"
#include "resources/DialogChrome.h"
#include "DialogFrame.h"
#include "resources/Fonts.h"
#include "Gauge.h"
#include "resources/ImageButton.h"
#include "TipLevelBar.h"
#include "texts/StatisticsTexts.h"

#include <QKeyEvent>
#include <QLabel>

namespace pivo {
namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TStatDlg::TStatDlg(const Preferences& preferences, const GameModel& model, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint),
      preferences_(preferences),
      model_(model),
      mainWindow_(mainWindow) {
    const BitmapList& bmps = TDlgResources::shared().statBitmaps();
    setFixedSize(544, 416);
    setFont(fonts::dialogDefault());
    auto* background = brandedBackground(this, bmps, false);
    auto* okBtn = new ImageButton(bmps, ButtonFaces::pair(bmp::stat::Tick), background);
    okBtn->move(484, 355);
    connect(okBtn, &QAbstractButton::clicked, this, &QDialog::accept);

    auto* p7 = new StonePanel(bmps, bmp::DarkStone, background);
    p7->setGeometry(116, 12, 417, 333);
    titleLabel_ = whiteLabel("TitleLabel", {11, 8, 346, 29}, fonts::arial(19, true), p7);
    catLabel_ = whiteLabel("CatLabel", {11, 36, 394, 29}, fonts::arial(16, true), p7);
    l1_ = whiteLabel("L1", {12, 60, 393, 45}, fonts::arial(16), p7);
    l1_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    g1_ = new Gauge(QColor(0x00, 0x80, 0xFF), p7);
    g1_->setObjectName(QStringLiteral("G1"));
    g1_->setGeometry(12, 112, 393, 18);
    l2_ = whiteLabel("L2", {12, 132, 393, 81}, fonts::arial(16), p7);
    pieBox_ = new TipLevelBar(p7);
    pieBox_->setObjectName(QStringLiteral("pieBox"));
    pieBox_->setGeometry(12, 220, 393, 29);
    l3_ = whiteLabel("L3", {12, 248, 393, 45}, fonts::arial(16), p7);
    g2_ = new Gauge(QColor(0x00, 0xFF, 0x00), p7);
    g2_->setObjectName(QStringLiteral("G2"));
    g2_->setGeometry(12, 300, 393, 18);
}

void TStatDlg::showStatistics() { exec(); }

void TStatDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TStatDlg::FormActivate() {
    placeOverMainWindow(this, mainWindow_);
    const Language lang = preferences_.language;
    const int category = model_.category();
    stats_ = countCategory(model_.catalogue(), model_.progress(), category);
    g1_->setRange(stats_.total, stats_.finishedCount);
    g2_->setRange(stats_.maxPoints(), stats_.points);
    pieBox_->setStatistics(stats_);
    titleLabel_->setText(text(texts::statisticsTitle(lang)));
    catLabel_->setText(text(texts::statisticsCategory(lang, category)));
    l1_->setText(text(texts::finishedSentence(lang, stats_)));
    l2_->setText(text(texts::helpSentence(lang, stats_)));
    l3_->setText(text(texts::pointsSentence(lang, stats_)));
}

void TStatDlg::keyPressEvent(QKeyEvent* event) {
    if (isOkKey(event->key())) accept();
}

}  // namespace pivo
