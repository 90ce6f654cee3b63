#include "ToolBox.h"

#include "resources/BitmapIndex.h"
#include "model/OptionSteps.h"

#include <QPainter>

namespace pivo {

ToolBox::ToolBox(const Picture& backgroundSheet, const int& background, QWidget* parent)
    : QWidget(parent), sheet_(backgroundSheet), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ToolBox::paintEvent(QPaintEvent*) {
    constexpr int tile = bmp::mainwin::BackgroundTile;
    QPainter painter(this);
    const QRect source(tile, backgroundInForce(background_) * tile, tile, Height);
    const QPixmap& sheet = sheet_.at(devicePixelRatioF());
    for (int i = 0; i <= width() / tile; ++i) painter.drawPixmap(QPoint(i * tile, 0), sheet, source);
}

}  // namespace pivo
