#include "SelectDlg.h"

#include "resources/BitmapIndex.h"
#include "DialogFrame.h"
#include "resources/Fonts.h"
#include "resources/ImageButton.h"
#include "texts/SelectTexts.h"
#include "SelectTrack.h"
#include "ThumbnailGrid.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QWheelEvent>

namespace pivo {
namespace {

constexpr int PageSize = grid::Cells;

}  // namespace

TSelectDlg::TSelectDlg(const Preferences& preferences, const GameModel& model, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint),
      preferences_(preferences),
      model_(model),
      mainWindow_(mainWindow) {
    const BitmapList& bmps = TDlgResources::shared().selectBitmaps();
    setFixedSize(544, 416);
    setFont(fonts::dialogDefault());
    auto* background = brandedBackground(this, bmps, true);

    auto* inner = new StonePanel(bmps, bmp::DarkStone, background);
    inner->setGeometry(116, 12, 417, 333);
    katLabel_ = whiteLabel("KatLabel", {3, 4, 410, 29}, fonts::arial(19, true), inner);
    katLabel_->setWordWrap(false);
    katLabel_->installEventFilter(this);
    box_ = new ThumbnailGrid(model_.catalogue(), model_.progress(), bmps.picture(bmp::select::FaceStrip), inner);
    box_->setObjectName(QStringLiteral("box"));
    box_->setGeometry(8, 32, 369, 301);
    connect(box_, &ThumbnailGrid::mouseDown, this, &TSelectDlg::boxMouseDown);
    scroll_ = new SelectTrack(bmps.picture(bmp::select::SmallArrows), inner);
    scroll_->setObjectName(QStringLiteral("Scroll"));
    scroll_->setGeometry(383, 32, 25, 295);
    scroll_->setPageStep(PageSize);
    connect(scroll_, &QSlider::valueChanged, this, &TSelectDlg::refreshGrid);
    list_ = new QListWidget(inner);
    list_->setObjectName(QStringLiteral("List"));
    list_->setGeometry(104, 32, 273, 185);
    list_->setFont(fonts::arial(19, true));
    list_->setStyleSheet(QStringLiteral("QListWidget { background: black; color: white; }"
                                        "QListWidget::item { height: 22px; }"));
    list_->hide();
    connect(list_, &QListWidget::currentRowChanged, this, &TSelectDlg::ListChange);
    // A click on the category already chosen closes the list without changing anything.
    connect(list_, &QListWidget::itemClicked, list_, &QWidget::hide);

    catBtn_ = new ImageButton(bmps, ButtonFaces::pair(bmp::select::Category), background);
    catBtn_->setObjectName(QStringLiteral("CatBtn"));
    catBtn_->move(428, 356);
    connect(catBtn_, &ImageButton::mouseDown, this, &TSelectDlg::CatBtnMouseDown);
    cancelBtn_ = new ImageButton(bmps, ButtonFaces::pair(bmp::select::Cross), background);
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    cancelBtn_->move(484, 355);
    connect(cancelBtn_, &QAbstractButton::clicked, this, &QDialog::reject);
}

std::optional<int> TSelectDlg::selectTangram() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return picked_;
}

void TSelectDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TSelectDlg::FormActivate() {
    placeOverMainWindow(this, mainWindow_);
    const Language lang = preferences_.language;
    setWindowTitle(QString::fromUtf8(texts::selectTitle(lang)));
    cancelBtn_->setHint(QString::fromUtf8(texts::selectCancelHint(lang)));
    catBtn_->setHint(QString::fromUtf8(texts::chooseCategoryHint(lang)));
    katLabel_->setToolTip(QString::fromUtf8(texts::chooseCategoryHint(lang)));
    box_->setToolTip(QString::fromUtf8(texts::selectGridHint(lang)));
    katLabel_->setText(QString::fromStdString(texts::selectCategoryCaption(lang, model_.category())));
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (int category = 0; category < CategoryTotal; ++category)
        list_->addItem(QString::fromUtf8(categoryName(lang, category)));
    list_->hide();
    setTrack();
    scroll_->setFocus();
}

void TSelectDlg::setTrack() {
    const int maximum = grid::trackMaximum(model_.catalogue().categoryCount(model_.category()));
    const int number = model_.catalogue().entry(model_.tangram()).number;
    const QSignalBlocker quiet(scroll_);
    scroll_->setRange(1, maximum);
    scroll_->setValue(grid::trackPositionFor(maximum, number));
    // A category that fits the grid has nothing to scroll.
    scroll_->setEnabled(maximum > 1);
    refreshGrid();
}

void TSelectDlg::refreshGrid() {
    const int first = grid::firstNumber(scroll_->maximum(), scroll_->value());
    slots_ = grid::fillSlots(model_.catalogue(), model_.category(), first);
    box_->setCells(slots_, first);
}

void TSelectDlg::boxMouseDown(QPoint at) {
    const std::optional<int> cell = grid::cellAt(at.x(), at.y());
    if (!cell || slots_[*cell] == grid::NoTangram) return;
    picked_ = slots_[*cell];
    accept();
}

void TSelectDlg::CatBtnMouseDown(Qt::MouseButton button) {
    Q_EMIT categoryButtonPressed(button);
    categoryChange();
}

void TSelectDlg::KatLabelClick() {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(model_.category());
    list_->show();
    list_->raise();
}

void TSelectDlg::ListChange(int row) {
    if (row < 0 || row >= CategoryTotal) return;
    scroll_->setFocus();
    Q_EMIT categoryChosen(row);
    categoryChange();
    list_->hide();
}

void TSelectDlg::categoryChange() {
    setTrack();
    katLabel_->setText(QString::fromStdString(texts::selectCategoryCaption(preferences_.language, model_.category())));
}

void TSelectDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_N) reject();
}

void TSelectDlg::wheelEvent(QWheelEvent* event) {
    scroll_->turnWheel(event->angleDelta().y());
    event->accept();
}

bool TSelectDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == katLabel_ && event->type() == QEvent::MouseButtonPress) {
        KatLabelClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace pivo
