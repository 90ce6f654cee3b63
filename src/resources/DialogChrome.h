#pragma once

#include "DlgResources.h"

#include <QRect>
#include <QSize>
#include <QWidget>

namespace pivo {

/// Where a dialog goes over the main window: centred across, and vertically centred on the main
/// window's client area measured from its bottom. Divisions truncate toward zero.
QPoint dialogPosition(const QRect& mainFrame, int mainClientHeight, QSize dialogSize);
/// Moves the dialog over the main window by dialogPosition when the main window is visible, and onto
/// the screen where that would put it partly off; otherwise to the middle of the screen.
void placeOverMainWindow(QWidget* dialog, const QWidget* mainWindow);
/// Moves a window to the middle of its screen.
void centreOnScreen(QWidget* window);

/// A stone-textured panel with the black bevelled edge of the dialogs: 2-pixel raised bevel, 3-pixel
/// black border, 2-pixel lowered bevel, then the texture repeated over the inside.
class StonePanel : public QWidget {
public:
    /// `texture` is a list position, normally bmp::LightStone or bmp::DarkStone.
    StonePanel(const BitmapList& list, int texture, QWidget* parent = nullptr);

    /// Width of the edge on every side.
    static constexpr int EdgeWidth = 7;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Picture& texture_;
};

/// The logo of a dialog list, magenta transparent, drawn at the top left of its widget.
class LogoLabel : public QWidget {
public:
    LogoLabel(const BitmapList& list, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Picture& logo_;
};

/// A white text turned a quarter to read bottom to top, optionally raised by a black copy below and
/// to the right. The selection, options and statistics dialogs carry "Pivolet" and "Version  V3.1"
/// this way; the about window carries them upright.
class RaisedLabel : public QWidget {
public:
    RaisedLabel(const QString& text, const QFont& font, bool raised, QWidget* parent = nullptr);

    QString text() const { return text_; }
    bool raised() const { return raised_; }
    /// Upright text, centred in the label, instead of the turned one.
    void setUpright(bool upright);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QFont font_;
    bool raised_;
    bool upright_ = false;
};

}  // namespace pivo
