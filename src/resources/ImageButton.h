#pragma once

#include "DlgResources.h"

#include <QAbstractButton>

namespace pivo {

/// Which pictures of a list a button shows in its four states.
struct ButtonFaces {
    int normal = 0;
    int hover = 0;
    int pressed = 0;
    int disabled = 0;

    /// A dialog button: normal and pressed the first picture of the pair, hover the second.
    static ButtonFaces pair(int first) { return {first, first + 1, first, first}; }
};

/// A button drawn from a picture list, white being transparent so the panel behind shows through.
/// It sizes itself to its normal face. A hint set with setHint shows as a tooltip unless hidden.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    ImageButton(const BitmapList& list, ButtonFaces faces, QWidget* parent = nullptr);

    /// The hint text; it is kept even when hints are not shown.
    void setHint(const QString& hint);
    QString hint() const { return hint_; }
    void setHintShown(bool shown);

    /// The list position of the face shown now.
    int currentFace() const;
    QSize sizeHint() const override;

signals:
    /// Any mouse button went down on the button (the category button acts on this, not on a click).
    void mouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void applyHint();
    /// Lights the button exactly when the pointer is over it now.
    void followPointer();

    const BitmapList& list_;
    ButtonFaces faces_;
    QString hint_;
    bool hintShown_ = true;
    bool hovered_ = false;
};

}  // namespace pivo
