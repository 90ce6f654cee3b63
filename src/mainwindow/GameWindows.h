#pragma once

#include <QPoint>
#include <QString>

#include <string>

class QWidget;

namespace pivo {

/// The windows the main window opens or drives: the message, language, save and load dialogs and the
/// pattern window. The game fills it with its real windows; the tests answer from a script.
class GameWindows {
public:
    virtual ~GameWindows() = default;

    /// The main window, once it exists: the dialogs are placed over it.
    virtual void setMainWindow(QWidget* mainWindow) = 0;

    /// Message kinds 1, 3, 4 with their built-in texts; 6 for Yes, 7 for No.
    virtual int showStockMessage(int kind) = 0;
    /// Message kinds 10 (notice) and 11 (question) with the caller's text; 6 for Yes, 7 for No.
    virtual int showTextMessage(int kind, const QString& text) = 0;
    /// The language question; it sets the language flag to 0 or 1.
    virtual void chooseLanguage() = 0;
    /// The save dialog; true on OK with `name` replaced.
    virtual bool askGameName(std::string& name) = 0;
    /// The load dialog; true when a game was picked, with `name` set to it.
    virtual bool pickGame(std::string& name) = 0;

    /// The statistics of the current category, modally.
    virtual void showStatistics() = 0;

    /// Shows the pattern window sized for the pattern mode, or hides it.
    virtual void showPatternWindow(bool shown) = 0;
    /// Rebuilds the pattern window's title and repaints it.
    virtual void refreshPatternWindow() = 0;
    virtual QPoint patternWindowPosition() const = 0;
};

}  // namespace pivo
