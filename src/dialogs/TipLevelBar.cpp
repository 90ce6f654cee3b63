#include "TipLevelBar.h"

#include <QPainter>

#include <array>

namespace pivo {

namespace {
// The bar's height; the paint box below it stays empty.
constexpr int BarHeight = 17;
}  // namespace

TipLevelBar::TipLevelBar(QWidget* parent) : QWidget(parent) {}

void TipLevelBar::setStatistics(const CategoryStatistics& stats) {
    stats_ = stats;
    update();
}

QColor TipLevelBar::levelColour(int tipLevel) {
    static const std::array<QColor, MaxTipLevel + 1> colours{
        QColor(0x00, 0xFF, 0x00), QColor(0xA0, 0xFC, 0x00), QColor(0xE4, 0xFC, 0x00), QColor(0xE1, 0xE4, 0x00),
        QColor(0xFF, 0xC1, 0x00), QColor(0xFF, 0xC3, 0x3F), QColor(0xFF, 0x79, 0x1E), QColor(0xFF, 0x00, 0x00)};
    return colours.at(tipLevel);
}

void TipLevelBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const auto slices = barSlices(stats_, width());
    for (int k = 0; k <= MaxTipLevel; ++k)
        if (stats_.tipsCount[k] > 0)
            p.fillRect(slices[k].start, 0, slices[k].end - slices[k].start, BarHeight, levelColour(k));
}

}  // namespace pivo
