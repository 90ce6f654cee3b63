#include "TitleStrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWindow>

namespace pivo {

namespace {

QStyleOptionTitleBar titleOption(const QWidget& strip, const QWidget& window) {
    QStyleOptionTitleBar option;
    option.initFrom(&strip);
    option.text = window.windowTitle();
    option.titleBarFlags = Qt::Tool | Qt::WindowTitleHint;
    option.subControls = QStyle::SC_TitleBarLabel;
    // Always drawn as active: the pattern is there to be read, not to show where the keys go.
    option.state |= QStyle::State_Active;
    option.titleBarState = Qt::WindowActive;
    option.palette.setCurrentColorGroup(QPalette::Active);
    return option;
}

}  // namespace

TitleStrip::TitleStrip(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
}

int TitleStrip::heightFor(const QWidget& window) {
    QStyleOptionTitleBar option;
    option.initFrom(&window);
    option.titleBarFlags = Qt::Tool | Qt::WindowTitleHint;
    return window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window);
}

void TitleStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTitleBar option = titleOption(*this, *window());
    option.rect = rect();
    style()->drawComplexControl(QStyle::CC_TitleBar, &option, &painter, this);
}

void TitleStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The window manager moves the window as it moves decorated ones; where it cannot, the strip does.
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove()) return;
    grab_ = event->globalPosition().toPoint() - window()->pos();
}

void TitleStrip::mouseMoveEvent(QMouseEvent* event) {
    if (grab_) window()->move(event->globalPosition().toPoint() - *grab_);
}

void TitleStrip::mouseReleaseEvent(QMouseEvent*) { grab_.reset(); }

}  // namespace pivo
