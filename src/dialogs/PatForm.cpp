#include "PatForm.h"

#include "model/Tans.h"
#include "resources/ScreenFit.h"
#include "texts/Captions.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScreen>

#include <algorithm>

namespace pivo {

namespace {
constexpr int SmallMode = 1;
constexpr int BigMode = 3;
/// The line around the window, which no window manager draws for it.
constexpr int Border = 1;
}  // namespace

int patternScale(int patternMode) {
    // Mode 0 keeps the window at its small size for the time it is hidden; a stored mode beyond the
    // big one must not open a window larger than the big one.
    return std::clamp(patternMode, SmallMode, BigMode) + 1;
}

QSize patternClientSize(int patternMode) {
    const int k = patternScale(patternMode);
    return {MaxX * k + 1, MaxY * k};
}

TPatForm::TPatForm(const Preferences& preferences, const GameModel& model, QPoint position, const QWidget* mainWindow)
    // Undecorated, with a title bar of its own: window managers that add a close button to every
    // window they decorate, whatever it asks for (Openbox among them), have nothing to add it to.
    // It takes no keys, so it never takes the focus from the board, also when it comes back.
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      preferences_(preferences),
      model_(model),
      mainWindow_(mainWindow),
      title_(new TitleStrip(this)),
      guard_(*this, [this] { remake(); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setSizeForMode();
    move(position);
}

QRect TPatForm::clientRect() const {
    return {QPoint(Border, Border + TitleStrip::heightFor(*this)), patternClientSize(preferences_.patternMode)};
}

void TPatForm::setSizeForMode() {
    const QRect client = clientRect();
    setFixedSize(client.width() + 2 * Border, client.bottom() + 1 + Border);
    title_->setGeometry(Border, Border, client.width(), client.top() - Border);
}

void TPatForm::showForMode() {
    const QSize size = patternClientSize(preferences_.patternMode);
    const bool grown = size.width() > shownSize_.width() || size.height() > shownSize_.height();
    shownSize_ = size;
    setSizeForMode();
    updateTitle();
    update();
    keepOnScreen(grown);
    showNormal();
    inUse_ = true;
}

void TPatForm::withdraw() {
    inUse_ = false;
    hide();
}

void TPatForm::refresh() {
    updateTitle();
    update();
    if (inUse_ && (isHidden() || isMinimized())) showForMode();
}

// Something outside the game destroyed the native window: a new one takes its place, where it was.
void TPatForm::remake() {
    const QPoint at = pos();
    hide();
    destroy();
    move(at);
    if (inUse_) showForMode();
}

void TPatForm::updateTitle() {
    setWindowTitle(QString::fromStdString(patternWindowTitle(preferences_, model_.catalogue(), model_.progress(), model_.position())));
    title_->update();
}

// A window that grew may stick out of the screen where its smaller self fitted, and a stored position
// may lie on a screen that is gone. The stored position itself stays: the next close writes where the
// window really is.
void TPatForm::keepOnScreen(bool grown) {
    const QRect outer = geometry();
    const QScreen* holding = screenHolding(outer);
    if (holding && (!grown || holding->availableGeometry().contains(outer))) return;
    const QScreen* target = mainWindow_ && mainWindow_->isVisible() ? mainWindow_->screen() : screen();
    if (target) move(movedInto(outer, target->availableGeometry()).topLeft());
}

// The pattern must not get lost: the window has no close button, and a close the window manager
// asks for all the same is refused while the window is in use. Withdrawn, it lets itself be closed:
// the application ends only when every window it still has agrees to close.
void TPatForm::closeEvent(QCloseEvent* event) { event->setAccepted(!inUse_); }

void TPatForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect client = clientRect();
    p.fillRect(rect(), QColor(127, 127, 127));
    p.fillRect(client, QColor(192, 192, 192));
    p.translate(client.topLeft());
    const std::optional<Placement>& pattern = model_.board().pattern();
    if (!pattern) return;
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    const int k = patternScale(preferences_.patternMode);
    for (int tan = 1; tan <= TanCount; ++tan) {
        std::array<Point, 4> corners{};
        const int count = tanPolygon(tan, (*pattern)[tan - 1], k, corners);
        QPolygon polygon;
        for (int i = 0; i < count; ++i) polygon << QPoint(corners[i].x, corners[i].y);
        p.drawPolygon(polygon);
    }
}

}  // namespace pivo
