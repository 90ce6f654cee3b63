#pragma once

#include <QPixmap>
#include <QWidget>

namespace pivo {

/// The tool bar's paint box (`ToolBox`): the tool-bar tile of the current background style, repeated
/// across the bar.
class ToolBox : public QWidget {
public:
    ToolBox(const QPixmap& backgroundSheet, const int& background, QWidget* parent = nullptr);

    static constexpr int Height = 60;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& sheet_;
    const int& background_;
};

/// Row of the background sheet for a background style; a stored style outside the sheet wraps round.
int backgroundRow(int background);

}  // namespace pivo
