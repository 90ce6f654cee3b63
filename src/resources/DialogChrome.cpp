#include "DialogChrome.h"

#include "BitmapIndex.h"
#include "ScreenFit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace pivo {

QPoint dialogPosition(const QRect& mainFrame, int mainClientHeight, QSize dialogSize) {
    // C++ division truncates toward zero, as the placement rule asks, also for a dialog larger
    // than the main window.
    const int left = mainFrame.x() + (mainFrame.width() - dialogSize.width()) / 2;
    const int top = mainFrame.y() + mainFrame.height() - (mainClientHeight + dialogSize.height()) / 2;
    return {left, top};
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

void placeOverMainWindow(QWidget* dialog, const QWidget* mainWindow) {
    if (!mainWindow || !mainWindow->isVisible()) {
        centreOnScreen(dialog);
        return;
    }
    const QSize size = dialog->frameGeometry().size();
    const QRect placed(dialogPosition(mainWindow->frameGeometry(), mainWindow->height(), size), size);
    // A modal dialog partly off the screen looks like a frozen game: it goes onto the screen that holds
    // most of it, or the main window's.
    const QScreen* screen = screenHolding(placed);
    if (!screen) screen = mainWindow->screen();
    dialog->move(screen ? movedInto(placed, screen->availableGeometry()).topLeft() : placed.topLeft());
}

namespace {

const QColor BevelLight(224, 224, 224);
const QColor BevelDark(96, 96, 96);

// A bevel of `width` pixels along the inside of `r`: light on top and left, dark below and right
// (raised), or the other way round (lowered).
void drawBevel(QPainter& p, QRect r, int width, bool raised) {
    const QColor topLeft = raised ? BevelLight : BevelDark;
    const QColor bottomRight = raised ? BevelDark : BevelLight;
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

constexpr int BevelWidth = 2;
constexpr int BorderWidth = 3;

}  // namespace

StonePanel::StonePanel(const BitmapList& list, int texture, QWidget* parent)
    : QWidget(parent), texture_(list.picture(texture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StonePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    drawBevel(p, r, BevelWidth, true);
    r.adjust(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
    p.fillRect(r, Qt::black);
    r.adjust(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    drawBevel(p, r, BevelWidth, false);
    r.adjust(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
    p.drawTiledPixmap(r, texture_.at(devicePixelRatioF()), QPoint(r.x(), r.y()));
}

LogoLabel::LogoLabel(const BitmapList& list, QWidget* parent) : QWidget(parent), logo_(list.picture(bmp::Logo)) {}

void LogoLabel::paintEvent(QPaintEvent*) {
    QPixmap logo = logo_.at(devicePixelRatioF());
    logo.setMask(logo.createMaskFromColor(QColor(255, 0, 255)));
    QPainter p(this);
    p.drawPixmap(0, 0, logo);
}

RaisedLabel::RaisedLabel(const QString& text, const QFont& font, bool raised, QWidget* parent)
    : QWidget(parent), text_(text), font_(font), raised_(raised) {}

void RaisedLabel::setUpright(bool upright) {
    upright_ = upright;
    update();
}

void RaisedLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font_);
    // Turned a quarter counter-clockwise the text runs up the label; the label's height is the
    // line's length.
    const QRect line = upright_ ? rect() : QRect(0, 0, height(), width());
    const auto drawAt = [&](int dx, int dy, const QColor& colour) {
        p.save();
        if (upright_) {
            p.translate(dx, dy);
        } else {
            p.translate(dx, height() + dy);
            p.rotate(-90);
        }
        p.setPen(colour);
        p.drawText(line, Qt::AlignCenter, text_);
        p.restore();
    };
    if (raised_) drawAt(2, 2, Qt::black);
    drawAt(0, 0, Qt::white);
}

}  // namespace pivo
