#pragma once

#include "Board.h"
#include "Catalogue.h"
#include "Change.h"
#include "MouseButton.h"
#include "Navigation.h"
#include "PatternEditor.h"
#include "Progress.h"
#include "SavedGames.h"

#include <string>

namespace pivo {

/// The game as the player plays it: the current category and tangram, the board set up for it, the
/// saved games, and every command that changes them. It is the one owner of the position: windows
/// send it commands and read it through a const reference, and each command that changes anything
/// ends with one Change to the listener, once the model is whole again. The catalogue and the
/// progress belong to the caller; while the game runs they change only through here.
class GameModel {
public:
    /// `programFolder` ends with a separator; it holds pivo.dat and the games folder.
    GameModel(Catalogue& catalogue, Progress& progress, std::string programFolder);

    /// Who is told what each command changed; the commands before it is set tell nobody.
    void setListener(ChangeListener& listener) { listener_ = &listener; }

    const Catalogue& catalogue() const { return catalogue_; }
    const Progress& progress() const { return progress_; }
    const SavedGames& savedGames() const { return savedGames_; }
    /// Decides once, at start, where saved games go: see chooseGamesFolder.
    void settleGamesFolder(const std::string& userGames);
    const Board& board() const { return board_; }
    Position position() const { return position_; }
    int category() const { return position_.category; }
    /// Catalogue index 1..tangramCount, an entry of category() unless the catalogue holds none.
    int tangram() const { return position_.tangram; }

    // The start, before anything is shown: nobody is told.
    enum class CatalogueLoad { Loaded, Missing, EmptyCategory };
    /// Reads pivo.dat. Missing when it cannot be read; EmptyCategory when a category holds no usable
    /// figure (catalogue().emptyCategories() names them), for the game cannot navigate it.
    CatalogueLoad loadCatalogue();
    /// Clears the progress and reopens the saved game `gameName`; a missing one is forgotten silently.
    void reopen(const std::string& gameName, GameDialogs& dialogs);
    /// Brings a stored position into the catalogue and sets its tangram up.
    void startAt(Position stored);
    /// Pixels per board unit, as the window's size gives them.
    void setUnitSize(int unitSize) { board_.setUnitSize(unitSize); }

    // Moving through the catalogue; each sets the tangram up afresh.
    void next();
    void previous();
    /// The next unfinished tangram of the category; when there is none, says so and stays.
    void nextUnsolved();
    void previousUnsolved();
    /// Another category, at its first tangram.
    void stepCategory(CategoryStep step);
    void chooseCategory(int category);
    /// A tangram of the current category.
    void select(int tangram);

    // Playing.
    void mouseDown(MouseButton button, int X, int Y);
    void mouseMove(bool leftButtonHeld, int X, int Y);
    void tip();
    // Playing from the keyboard and the wheel: the board's rules, without a pointer.
    void liftTan(int tan);
    void liftNextTan(bool forward);
    void moveLiftedTan(int dx, int dy);
    void turnLiftedTan(int steps);
    void mirrorLiftedTan();
    void putDownLiftedTan(Board::Refusal refusal);

    // The progress as a game.
    /// Offers unsaved progress for saving under a name. False when it is still unsaved (the save
    /// failed, or the player would not overwrite): a load or the exit that asked must then stop, so
    /// that no progress is lost the player did not give up.
    bool saveCurrentGame(GameDialogs& dialogs);
    /// Offers unsaved progress for saving, then clears it and sets the tangram up afresh; when it is
    /// still unsaved after the offer, everything stays.
    void newGame(GameDialogs& dialogs);
    /// Loads the saved game `name` and sets the tangram up with its tips; on failure the name is
    /// forgotten and the rest stays.
    void load(const std::string& name, GameDialogs& dialogs);

    // The catalogue author's commands; they rewrite pivo.dat at once.
    /// Stores the tans as laid as a new entry in place of the current tangram; the board stays.
    EditOutcome addPattern();
    /// Removes the current tangram and sets up the one of its category that took its place.
    EditOutcome deletePattern();
    EditOutcome saveCentred() const;

private:
    std::string dataFile() const;
    void setUp(int tangram, Change change = {});
    void unsolvedStep(bool forward);
    void notify(const Change& change);

    Catalogue& catalogue_;
    Progress& progress_;
    std::string programFolder_;
    SavedGames savedGames_;
    Board board_;
    Position position_;
    ChangeListener* listener_ = nullptr;
};

}  // namespace pivo
