#include "YesNoDlg.h"

#include "resources/BitmapIndex.h"
#include "resources/DialogChrome.h"
#include "texts/DialogTexts.h"
#include "resources/Fonts.h"
#include "resources/ImageButton.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>

namespace pivo {
namespace {

constexpr int TextPixels = 16;
constexpr int Yes = static_cast<int>(DialogAnswer::Yes);
constexpr int No = static_cast<int>(DialogAnswer::No);
constexpr int SmallestTextPixels = 9;

// The panel has room for three lines of the message font; a longer message steps the font down
// until it fits, rather than losing its first and last lines.
void fitText(QLabel* label, const QString& text) {
    QFont font = fonts::arial(TextPixels, true);
    while (font.pixelSize() > SmallestTextPixels) {
        const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(), label->size()),
                                                             Qt::AlignCenter | Qt::TextWordWrap, text);
        if (needed.height() <= label->height() && needed.width() <= label->width()) break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
    label->setText(text);
}

}  // namespace

TYesNoDlg::TYesNoDlg(Preferences& preferences, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), preferences_(preferences), mainWindow_(mainWindow) {
    const BitmapList& dlgs = TDlgResources::shared().dlgs();
    setFixedSize(319, 158);
    setFont(fonts::dialogDefault());
    auto* background = new StonePanel(dlgs, bmp::LightStone, this);
    background->setGeometry(rect());
    auto* pan = new StonePanel(dlgs, bmp::DarkStone, background);
    pan->setGeometry(11, 12, 298, 77);
    txt_ = new QLabel(pan);
    txt_->setGeometry(pan->rect().adjusted(5, 5, -5, -5));
    txt_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    txt_->setAlignment(Qt::AlignCenter);
    txt_->setWordWrap(true);
    noBtn_ = new ImageButton(dlgs, ButtonFaces::pair(bmp::dlgs::Cross), background);
    noBtn_->move(204, 100);
    yesBtn_ = new ImageButton(dlgs, ButtonFaces::pair(bmp::dlgs::Tick), background);
    yesBtn_->move(260, 100);
    connect(noBtn_, &QAbstractButton::clicked, this, [this] { done(No); });
    connect(yesBtn_, &QAbstractButton::clicked, this, [this] { done(Yes); });
}

DialogAnswer TYesNoDlg::ShowStockMessage(MessageKind kind) {
    return showKind(kind);
}

DialogAnswer TYesNoDlg::ShowTextMessage(MessageKind kind, const QString& text) {
    customText_ = text;
    return showKind(kind);
}

DialogAnswer TYesNoDlg::showKind(MessageKind kind) {
    // Every entry sets all that its kind needs, so nothing of an earlier message shows again.
    const bool custom = kind == MessageKind::Notice || kind == MessageKind::Question;
    fitText(txt_, custom ? customText_ : QString::fromUtf8(texts::stockMessage(preferences_.language, kind)));
    noBtn_->setVisible(isQuestion(kind));
    // Closed any other way (the program quitting under it), the answer is the cautious one.
    return exec() == Yes ? DialogAnswer::Yes : DialogAnswer::No;
}

QString TYesNoDlg::messageText() const { return txt_->text(); }

bool TYesNoDlg::noButtonShown() const { return !noBtn_->isHidden(); }

void TYesNoDlg::showEvent(QShowEvent* event) {
    placeOverMainWindow(this, mainWindow_);
    QDialog::showEvent(event);
}

void TYesNoDlg::keyPressEvent(QKeyEvent* event) {
    // Letters count in either case and for either language (Ja / Yes), with one button or two.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_J:
    case Qt::Key_Y: done(Yes); break;
    case Qt::Key_Escape:
    case Qt::Key_N: done(No); break;
    default: break;
    }
}

}  // namespace pivo
