#include "Gauge.h"

#include "resources/Fonts.h"
#include "model/Statistics.h"

#include <QPainter>

#include <algorithm>

namespace pivo {

Gauge::Gauge(QColor fill, QWidget* parent) : QWidget(parent), fill_(fill) {}

void Gauge::setRange(int maximum, int progress) {
    maximum_ = maximum;
    progress_ = progress;
    update();
}

int Gauge::percent() const { return gaugePercent(progress_, maximum_); }

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xA0, 0xA0, 0xA0));
    if (maximum_ > 0) {
        const int filled = static_cast<int>(static_cast<long long>(width()) * std::clamp(progress_, 0, maximum_) / maximum_);
        p.fillRect(0, 0, filled, height(), fill_);
    }
    p.setFont(fonts::arial(13));
    p.setPen(Qt::black);
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("%1%").arg(percent()));
}

}  // namespace pivo
