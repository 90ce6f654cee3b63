#pragma once

#include <QColor>
#include <QWidget>

namespace pivo {

/// A borderless horizontal progress bar on grey with its whole-number percentage in the middle.
class Gauge : public QWidget {
public:
    Gauge(QColor fill, QWidget* parent = nullptr);

    /// The maximum is set first so that the progress is always read against the right maximum.
    void setRange(int maximum, int progress);
    int percent() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    int maximum_ = 0;
    int progress_ = 0;
};

}  // namespace pivo
