#pragma once

#include "DialogWindows.h"
#include "help/THookHelpSystem.h"
#include "mainwindow/Settings.h"
#include "media/EffectPlayer.h"
#include "media/MidiMusic.h"
#include "media/DeferredClipDeck.h"
#include "model/Catalogue.h"
#include "model/GameModel.h"
#include "model/Preferences.h"
#include "model/Progress.h"

#include <QSettings>

#include <memory>
#include <string>

namespace pivo {

class TMainForm;

/// The whole game: its preferences, the game model with its catalogue and progress, the settings store
/// and the windows, created in order.
class Game {
public:
    /// `programFolder` ends with a separator; `store` is the settings store the game reads and writes.
    Game(std::string programFolder, std::unique_ptr<QSettings> store);
    ~Game();

    /// Creates the windows, the main window first. False when the game cannot run (it has said why).
    bool start();
    TMainForm& mainForm() { return *mainForm_; }
    const GameModel& model() const { return model_; }

    /// The folder of the running executable in the file system's own bytes, with a trailing separator.
    static std::string executableFolder();
    /// Where the game's data lies: the executable's folder, or the data folder of an installed game.
    static std::string programFolder();
    /// Where the module that plays the sound effects lies.
    static std::string clipModulePath();

private:
    Preferences preferences_;
    Catalogue catalogue_;
    Progress progress_;
    GameModel model_;
    std::unique_ptr<QSettings> store_;
    Settings settings_;
    // The main window outlives the dialogs, which are its children.
    std::unique_ptr<TMainForm> mainForm_;
    DialogWindows windows_;
    DeferredClipDeck clips_;
    EffectPlayer sound_;
    MidiMusic music_;
    THookHelpSystem help_;
};

}  // namespace pivo
