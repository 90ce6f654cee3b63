#pragma once

#include "resources/BitmapList.h"

#include <QWidget>

namespace pivo {

/// The tool bar's paint box (`ToolBox`): the tool-bar tile of the current background style, repeated
/// across the bar. The sheet holds one row per style; a stored style outside it wraps round.
class ToolBox : public QWidget {
public:
    ToolBox(const Picture& backgroundSheet, const int& background, QWidget* parent = nullptr);

    static constexpr int Height = 60;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Picture& sheet_;
    const int& background_;
};

}  // namespace pivo
