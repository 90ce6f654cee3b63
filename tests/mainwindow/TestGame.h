#pragma once

#include "app/DialogWindows.h"
#include "Doubles.h"

#include "mainwindow/Settings.h"
#include "mainwindow/TMainForm.h"
#include "model/Catalogue.h"
#include "model/GameModel.h"
#include "model/Preferences.h"
#include "model/Progress.h"

#include <QImage>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace pivo::testing {

/// Figures of the test catalogue, made for laying by mouse.
const Placement& convexSquare();
const Placement& convexTriangle();

/// One record of a data file: category byte and placement.
std::vector<std::uint8_t> record(int category, const Placement& placement);

/// The test catalogue: category 0 holds entries 1, 3 and 6, category 1 entries 2 and 4, every other
/// category one entry (5, 7..12).
std::vector<std::uint8_t> smallCatalogue();

/// A game in its own temporary program folder and settings file, played through the real main
/// window with recording stand-ins for the dialogs, sound, music and help.
class TestGame {
public:
    /// With `realDialogs` the game's own dialogs and pattern window answer instead of the script.
    explicit TestGame(bool realDialogs = false);
    ~TestGame();

    std::string folder() const { return folder_; }
    QString settingsPath() const { return dir_.path() + "/settings/V3.ini"; }
    void writeCatalogue(const std::vector<std::uint8_t>& bytes);
    void removeCatalogue();
    /// Sets a stored value of section common, as text.
    void store(const QString& key, const QString& value);
    /// A stored value of section common, or a null string.
    QString stored(const QString& key) const;

    /// Creates the main window; true when it started.
    bool create();
    /// Creates, shows and activates the main window.
    void start();
    /// Closes the main window as the close box does; true when it closed.
    bool close();
    /// A new run of the game on the same program folder and settings file.
    void restart();

    TMainForm& form() { return *form_; }
    GameModel& model() { return *model_; }
    const Board& board() { return model_->board(); }
    int unit() { return board().unitSize(); }

    /// Mouse on the board, in board pixels.
    void press(Qt::MouseButton button, QPoint at);
    void dragTo(QPoint at);
    /// Moves the mouse with no button held.
    void hover(QPoint at);
    void release(QPoint at);
    void click(Qt::MouseButton button, QPoint at);

    /// A board pixel where the hit test of tan `tan` at `at` gives `zone`.
    QPoint pixelIn(int tan, TanPlacement at, GrabZone zone);
    /// A board pixel beside every tan.
    QPoint emptyPixel();
    /// Lays tan `tan` at `target` as a player would: lift it, drag it there, turn and mirror it,
    /// put it down beside it.
    void lay(int tan, TanPlacement target);

    /// The board as the player sees it now.
    QImage screen();
    /// Colour the player sees in the middle of tan `tan`.
    QColor colourOfTan(int tan);
    /// Whether some pixel of the board shows the lifted outline over silver.
    bool outlineVisible();

    Preferences preferences;
    Catalogue catalogue;
    Progress progress;
    RecordingSound sound;
    RecordingMusic music;
    RecordingHelp help;
    ScriptedWindows windows;
    /// The game's own windows, when asked for.
    std::unique_ptr<DialogWindows> realWindows;

private:
    GameWindows& windowsInUse();

    QTemporaryDir dir_;
    std::string folder_;
    std::unique_ptr<QSettings> store_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<GameModel> model_;
    std::unique_ptr<TMainForm> form_;
};

}  // namespace pivo::testing
