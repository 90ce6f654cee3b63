#include "PatForm.h"

#include "model/Tans.h"
#include "texts/Captions.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace pivo {

namespace {
constexpr int SmallMode = 1;
constexpr int BigMode = 3;
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

TPatForm::TPatForm(const Preferences& preferences, const GameModel& model, QPoint position)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      preferences_(preferences),
      model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(patternClientSize(preferences_.patternMode));
    move(position);
}

void TPatForm::showForMode() {
    setFixedSize(patternClientSize(preferences_.patternMode));
    refresh();
    show();
}

void TPatForm::refresh() {
    setWindowTitle(QString::fromStdString(patternWindowTitle(preferences_, model_.catalogue(), model_.progress(), model_.position())));
    update();
}

void TPatForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(192, 192, 192));
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
