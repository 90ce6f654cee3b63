#pragma once

#include "model/Catalogue.h"
#include "DialogWindows.h"
#include "model/GameState.h"
#include "media/EffectPlayer.h"
#include "media/MidiMusic.h"
#include "model/Progress.h"
#include "media/QtClipDeck.h"
#include "mainwindow/Settings.h"
#include "help/THookHelpSystem.h"

#include <QSettings>

#include <memory>
#include <string>

namespace pivo {

class TMainForm;

/// The whole game: its program-wide state, its settings store and its windows, created in order.
class Game {
public:
    /// `programFolder` ends with a separator; `store` is the settings store the game reads and writes.
    Game(std::string programFolder, std::unique_ptr<QSettings> store);
    ~Game();

    /// Creates the windows, the main window first. False when the game cannot run (it has said why).
    bool start();
    TMainForm& mainForm() { return *mainForm_; }

    /// The folder of the running executable, with a trailing separator.
    static std::string executableFolder();

private:
    GameState state_;
    Catalogue catalogue_;
    Progress progress_;
    std::unique_ptr<QSettings> store_;
    Settings settings_;
    // The main window outlives the dialogs, which are its children.
    std::unique_ptr<TMainForm> mainForm_;
    DialogWindows windows_;
    QtClipDeck clips_;
    EffectPlayer sound_;
    MidiMusic music_;
    THookHelpSystem help_;
};

}  // namespace pivo
