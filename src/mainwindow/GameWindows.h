#pragma once

#include "texts/MessageKind.h"

#include <QPoint>
#include <QString>
#include <Qt>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace pivo {

class Music;

/// What a press in the options dialog sets going outside the dialog, while it is still open.
struct OptionEffects {
    /// The sound and music switches.
    Music& music;
    std::function<void()> languageChanged;
    std::function<void()> backgroundChanged;
    std::function<void()> patternModeChanged;
};

/// What a press in the selection dialog sets going outside the dialog, while it is still open.
struct SelectEffects {
    /// The category button, with the mouse button that pressed it.
    std::function<void(Qt::MouseButton)> categoryButton;
    /// A category chosen from the list.
    std::function<void(int)> categoryChosen;
};

/// The windows the main window opens or drives: the message, language, save, load, statistics,
/// selection and options dialogs, the about window and the pattern window. The game fills it with its
/// real windows; the tests answer from a script.
class GameWindows {
public:
    virtual ~GameWindows() = default;

    /// The main window, once it exists: the dialogs are placed over it.
    virtual void setMainWindow(QWidget* mainWindow) = 0;

    /// The message kinds with a built-in text: solved, quit, give up.
    virtual DialogAnswer showStockMessage(MessageKind kind) = 0;
    /// The message kinds with the caller's text: notice and question.
    virtual DialogAnswer showTextMessage(MessageKind kind, const QString& text) = 0;
    /// The language question; it sets the language to German or English.
    virtual void chooseLanguage() = 0;
    /// The save dialog; true on OK with `name` replaced.
    virtual bool askGameName(std::string& name) = 0;
    /// The load dialog; true when a game was picked, with `name` set to it.
    virtual bool pickGame(std::string& name) = 0;

    /// The statistics of the current category, modally.
    virtual void showStatistics() = 0;
    /// The selection dialog: the tangram picked, or none. A category changed inside it goes through
    /// `effects` at once, while the dialog stays open.
    virtual std::optional<int> selectTangram(const SelectEffects& effects) = 0;
    /// The options dialog; every press takes effect at once through `effects`.
    virtual void showOptions(const OptionEffects& effects) = 0;
    /// The about window, modally.
    virtual void showAbout() = 0;

    /// Shows the pattern window sized for the pattern mode, or hides it.
    virtual void showPatternWindow(bool shown) = 0;
    /// Rebuilds the pattern window's title and repaints it.
    virtual void refreshPatternWindow() = 0;
    virtual QPoint patternWindowPosition() const = 0;
};

}  // namespace pivo
