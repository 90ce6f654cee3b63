#pragma once

#include "model/Statistics.h"

#include <QWidget>

namespace pivo {

/// The statistics page's coloured bar: one slice per tip level, green (no help) to red (dropped),
/// each as wide as its share of the finished tangrams.
class TipLevelBar : public QWidget {
public:
    explicit TipLevelBar(QWidget* parent = nullptr);

    void setStatistics(const CategoryStatistics& stats);
    /// Colour of the slice of a tip level 0..7.
    static QColor levelColour(int tipLevel);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CategoryStatistics stats_;
};

}  // namespace pivo
