#pragma once

#include <QPoint>
#include <QWidget>

#include <optional>

namespace pivo {

/// The title bar of a window the window manager does not decorate: the window's title drawn as the
/// style draws a title bar, with no buttons and no menu, and the window moved by dragging it. It lies
/// across the top of its window; its height is heightFor() that window.
class TitleStrip : public QWidget {
public:
    explicit TitleStrip(QWidget* window);

    /// The strip's height in `window`'s style.
    static int heightFor(const QWidget& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    /// Where the drag grabbed the window, relative to its top-left corner, while the strip moves it
    /// itself (the window system could not).
    std::optional<QPoint> grab_;
};

}  // namespace pivo
