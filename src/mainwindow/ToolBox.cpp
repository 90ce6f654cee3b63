#include "ToolBox.h"

#include "resources/BitmapIndex.h"
#include "model/OptionSteps.h"

#include <QPainter>

namespace pivo {

ToolBox::ToolBox(const BitmapList& bitmaps, const int& background, QWidget* parent)
    : QWidget(parent), bitmaps_(bitmaps), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ToolBox::paintEvent(QPaintEvent*) {
    constexpr int tile = bmp::mainwin::BackgroundTile;
    QPainter painter(this);
    const QRect source(tile, 0, tile, Height);
    const QPixmap& style =
        bitmaps_.at(bmp::mainwin::Background + backgroundInForce(background_), devicePixelRatioF());
    for (int i = 0; i <= width() / tile; ++i) painter.drawPixmap(QPoint(i * tile, 0), style, source);
}

}  // namespace pivo
