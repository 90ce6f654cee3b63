#include "SaveGameDlg.h"

#include "resources/BitmapIndex.h"
#include "resources/DialogChrome.h"
#include "texts/DialogTexts.h"
#include "resources/Fonts.h"
#include "resources/ImageButton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace pivo {
namespace {

// Selects the whole name whenever the field takes the focus, so typing replaces the old name.
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->selectAll();
        return false;
    }
};

}  // namespace

TSaveGameDlg::TSaveGameDlg(Preferences& preferences, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), preferences_(preferences), mainWindow_(mainWindow) {
    const BitmapList& dlgs = TDlgResources::shared().dlgs();
    setFixedSize(357, 187);
    setFont(fonts::dialogDefault());
    auto* background = new StonePanel(dlgs, bmp::LightStone, this);
    background->setGeometry(rect());
    auto* inner = new StonePanel(dlgs, bmp::DarkStone, background);
    inner->setGeometry(12, 12, 333, 105);
    askLabel_ = new QLabel(inner);
    askLabel_->setGeometry(12, 12, 293, 38);
    askLabel_->setFont(fonts::arial(16, true));
    askLabel_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    askLabel_->setWordWrap(true);
    nameEdit_ = new QLineEdit(inner);
    nameEdit_->setGeometry(12, 63, 309, 26);
    nameEdit_->setFont(fonts::arial(16, true));
    nameEdit_->setFrame(false);
    nameEdit_->setStyleSheet(QStringLiteral("color: black; background: white;"));
    nameEdit_->installEventFilter(new SelectAllOnFocus(nameEdit_));
    cancelBtn_ = new ImageButton(dlgs, ButtonFaces::pair(bmp::dlgs::Cross), background);
    cancelBtn_->move(240, 128);
    cancelBtn_->setHintShown(false);
    okBtn_ = new ImageButton(dlgs, ButtonFaces::pair(bmp::dlgs::Tick), background);
    okBtn_->move(296, 127);
    connect(cancelBtn_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(okBtn_, &QAbstractButton::clicked, this, &QDialog::accept);
}

bool TSaveGameDlg::askName(std::string& name) {
    nameEdit_->setText(QString::fromStdString(name));
    setTexts();
    if (exec() != Accepted) return false;
    // Taken as it stands, blanks included; the save decides what an empty name means.
    name = nameEdit_->text().toStdString();
    return true;
}

QString TSaveGameDlg::question() const { return askLabel_->text(); }

void TSaveGameDlg::setTexts() {
    const Language lang = preferences_.language;
    askLabel_->setText(QString::fromUtf8(texts::saveQuestion(lang)));
    okBtn_->setHint(QString::fromUtf8(texts::saveOkHint(lang)));
    cancelBtn_->setHint(QString::fromUtf8(texts::saveCancelHint(lang)));
}

void TSaveGameDlg::showEvent(QShowEvent* event) {
    placeOverMainWindow(this, mainWindow_);
    QDialog::showEvent(event);
    nameEdit_->setFocus(Qt::OtherFocusReason);
    nameEdit_->selectAll();
}

void TSaveGameDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc reach the dialog only because the field passes them on; the dialog closes by
    // its buttons alone, so a stray Enter cannot save under a half-typed name.
    event->accept();
}

}  // namespace pivo
