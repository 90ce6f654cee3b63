#include "LoadGameDlg.h"

#include "resources/BitmapIndex.h"
#include "resources/DialogChrome.h"
#include "texts/DialogTexts.h"
#include "resources/Fonts.h"
#include "resources/ImageButton.h"

#include <QLabel>
#include <QListWidget>

#include <algorithm>

namespace pivo {
namespace {

// A list that leaves no line current when it takes the focus, so the first arrow key selects the
// first line (and so picks it) instead of the second.
class NameList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QListWidget::focusInEvent(event);
        if (selectedItems().isEmpty()) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
};

constexpr int ItemHeight = 19;
constexpr int QuestionWidth = 270;
constexpr int QuestionMaxWidth = 333 - 8 - StonePanel::EdgeWidth;

}  // namespace

TLoadGameDlg::TLoadGameDlg(Preferences& preferences, const SavedGames& games, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), preferences_(preferences), games_(games), mainWindow_(mainWindow) {
    const BitmapList& dlgs = TDlgResources::shared().dlgs();
    setFixedSize(357, 416);
    setFont(fonts::dialogDefault());
    auto* background = new StonePanel(dlgs, bmp::LightStone, this);
    background->setGeometry(rect());
    auto* inner = new StonePanel(dlgs, bmp::DarkStone, background);
    inner->setGeometry(12, 12, 333, 333);
    whatLabel_ = new QLabel(inner);
    whatLabel_->setGeometry(8, 12, QuestionWidth, 19);
    whatLabel_->setFont(fonts::arial(16, true));
    whatLabel_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    nameList_ = new NameList(inner);
    nameList_->setGeometry(12, 40, 309, 281);
    nameList_->setFrameShape(QFrame::NoFrame);
    nameList_->setFont(fonts::arial(16, true));
    nameList_->setUniformItemSizes(true);
    nameList_->setStyleSheet(QStringLiteral("QListWidget { color: black; background: white; }"));
    nameList_->setSortingEnabled(false);
    cancelBtn_ = new ImageButton(dlgs, ButtonFaces::pair(bmp::dlgs::Cross), background);
    cancelBtn_->move(296, 356);
    connect(cancelBtn_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(nameList_, &QListWidget::itemSelectionChanged, this, &TLoadGameDlg::lineSelected);
}

bool TLoadGameDlg::pick(std::string& name) {
    fillList();
    if (exec() != Accepted) return false;
    name = picked_;
    return true;
}

QString TLoadGameDlg::question() const { return whatLabel_->text(); }

void TLoadGameDlg::fillList() {
    const Language lang = preferences_.language;
    const QSignalBlocker quiet(nameList_);
    nameList_->clear();
    const std::vector<std::string> names = games_.list();
    gamesFound_ = !names.empty();
    if (gamesFound_)
        for (const std::string& name : names) nameList_->addItem(QString::fromStdString(name));
    else
        nameList_->addItem(QString::fromUtf8(texts::noGameLine(lang)));
    for (int row = 0; row < nameList_->count(); ++row) nameList_->item(row)->setSizeHint({0, ItemHeight});
    whatLabel_->setText(QString::fromUtf8(texts::loadQuestion(lang)));
    // The question may run a little past its designed width; it has room up to the panel's edge.
    whatLabel_->resize(std::clamp(whatLabel_->sizeHint().width(), QuestionWidth, QuestionMaxWidth), whatLabel_->height());
    cancelBtn_->setHint(QString::fromUtf8(texts::loadCancelHint(lang)));
}

void TLoadGameDlg::lineSelected() {
    const QList<QListWidgetItem*> selected = nameList_->selectedItems();
    if (selected.isEmpty()) return;
    // The placeholder names no game: choosing it is the same as the cross.
    if (!gamesFound_) {
        reject();
        return;
    }
    picked_ = selected.front()->text().toStdString();
    accept();
}

void TLoadGameDlg::showEvent(QShowEvent* event) {
    placeOverMainWindow(this, mainWindow_);
    QDialog::showEvent(event);
    nameList_->setFocus(Qt::OtherFocusReason);
}

}  // namespace pivo
