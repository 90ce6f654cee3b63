#include "ImageButton.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace pivo {

ImageButton::ImageButton(const BitmapList& list, ButtonFaces faces, QWidget* parent)
    : QAbstractButton(parent), list_(list), faces_(faces) {
    // Keys belong to the dialog (or to its edit field), never to a picture button.
    setFocusPolicy(Qt::NoFocus);
    resize(list_.pictureSize(faces_.normal));
}

void ImageButton::setHint(const QString& hint) {
    hint_ = hint;
    applyHint();
}

void ImageButton::setHintShown(bool shown) {
    hintShown_ = shown;
    applyHint();
}

void ImageButton::applyHint() { setToolTip(hintShown_ ? hint_ : QString()); }

int ImageButton::currentFace() const {
    if (!isEnabled()) return faces_.disabled;
    if (isDown()) return faces_.pressed;
    if (hovered_) return faces_.hover;
    return faces_.normal;
}

QSize ImageButton::sizeHint() const { return list_.pictureSize(faces_.normal); }

void ImageButton::paintEvent(QPaintEvent*) {
    QPixmap face = list_.at(currentFace(), devicePixelRatioF());
    // White is the transparent colour of every face, so the panel shows through the corners.
    face.setMask(face.createMaskFromColor(Qt::white));
    QPainter p(this);
    p.drawPixmap(0, 0, face);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mouseDown(event->button());
    QAbstractButton::mousePressEvent(event);
}

// A dialog closed by a click on one of its buttons never tells that button the pointer left, and it may
// open elsewhere the next time. So at every show the face starts dark and then follows the pointer, once
// the window stands where it shows.
void ImageButton::showEvent(QShowEvent* event) {
    QAbstractButton::showEvent(event);
    hovered_ = false;
    QTimer::singleShot(0, this, &ImageButton::followPointer);
}

void ImageButton::followPointer() {
    const bool over = isVisible() && rect().contains(mapFromGlobal(QCursor::pos()));
    if (over == hovered_) return;
    hovered_ = over;
    update();
}

void ImageButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace pivo
