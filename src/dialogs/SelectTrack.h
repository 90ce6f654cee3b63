#pragma once

#include "resources/BitmapList.h"

#include <QSlider>

namespace pivo {

/// The selection dialog's vertical scroll track: its maximum at the top, a picture for its thumb.
/// Up and Right raise the value by one, Down and Left lower it, Page Up and Page Down move a page,
/// the wheel acts as Up and Down. Every other key goes on to the dialog.
class SelectTrack : public QSlider {
public:
    SelectTrack(const Picture& thumb, QWidget* parent = nullptr);

    /// One step up for a wheel turned away from the player, one down for a wheel turned towards.
    void turnWheel(int angleDelta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const Picture& thumb_;
};

}  // namespace pivo
