#pragma once

#include "resources/BitmapList.h"

#include <QWidget>

namespace pivo {

/// The tool bar's paint box (`ToolBox`): the tool-bar tile of the current background style, repeated
/// across the bar. A stored style beyond the styles wraps round.
class ToolBox : public QWidget {
public:
    ToolBox(const BitmapList& bitmaps, const int& background, QWidget* parent = nullptr);

    static constexpr int Height = 60;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BitmapList& bitmaps_;
    const int& background_;
};

}  // namespace pivo
