#include "GameModel.h"

#include "GameFolders.h"

#include <cassert>
#include <utility>

namespace pivo {

GameModel::GameModel(Catalogue& catalogue, Progress& progress, std::string programFolder)
    : catalogue_(catalogue),
      progress_(progress),
      programFolder_(std::move(programFolder)),
      savedGames_(programFolder_),
      board_(catalogue, progress) {}

std::string GameModel::dataFile() const { return programFolder_ + "pivo.dat"; }

void GameModel::settleGamesFolder(const std::string& userGames) {
    savedGames_ = SavedGames::inFolder(chooseGamesFolder(programFolder_, userGames));
}

void GameModel::notify(const Change& change) {
    if (listener_ && !change.empty()) listener_->changed(change);
}

GameModel::CatalogueLoad GameModel::loadCatalogue() {
    if (!catalogue_.load(dataFile())) return CatalogueLoad::Missing;
    return catalogue_.emptyCategories().empty() ? CatalogueLoad::Loaded : CatalogueLoad::EmptyCategory;
}

void GameModel::reopen(const std::string& gameName, GameDialogs& dialogs) {
    progress_.gameName = gameName;
    savedGames_.reopen(progress_, dialogs);
    progress_.gameModified = false;
}

void GameModel::startAt(Position stored) {
    reconcilePosition(catalogue_, stored.category, stored.tangram);
    position_ = stored;
    board_.setUpTangram(position_.tangram);
}

// Every set-up is a new board and a new caption, whether or not the tangram is another one.
void GameModel::setUp(int tangram, Change change) {
    position_.tangram = tangram;
    const Change board = board_.setUpTangram(tangram);
    change.tans = board.tans;
    change.outline = board.outline;
    change.playState = board.playState;
    change.silhouette = board.silhouette;
    change.position = true;
    notify(change);
}

void GameModel::next() { setUp(nextInCategory(catalogue_, tangram(), category())); }

void GameModel::previous() { setUp(previousInCategory(catalogue_, tangram(), category())); }

void GameModel::unsolvedStep(bool forward) {
    const std::optional<int> found = forward ? nextUnfinished(catalogue_, progress_, tangram(), category())
                                             : previousUnfinished(catalogue_, progress_, tangram(), category());
    if (!found) {
        Change change;
        change.noneUnfinished = true;
        notify(change);
        return;
    }
    setUp(*found);
}

void GameModel::nextUnsolved() { unsolvedStep(true); }

void GameModel::previousUnsolved() { unsolvedStep(false); }

void GameModel::stepCategory(CategoryStep step) { chooseCategory(steppedCategory(category(), step)); }

void GameModel::chooseCategory(int category) {
    assert(category >= 0 && category < CategoryTotal);
    position_.category = category;
    setUp(catalogue_.firstOfCategory(category));
}

void GameModel::select(int tangram) {
    assert(catalogue_.isPlayable(tangram) && catalogue_.entry(tangram).category == category());
    setUp(tangram);
}

void GameModel::mouseDown(MouseButton button, int X, int Y) { notify(board_.mouseDown(button, X, Y)); }

void GameModel::mouseMove(bool leftButtonHeld, int X, int Y) { notify(board_.mouseMove(leftButtonHeld, X, Y)); }

void GameModel::tip() { notify(board_.takeTip()); }

void GameModel::liftTan(int tan) { notify(board_.liftTan(tan)); }

void GameModel::liftNextTan(bool forward) { notify(board_.liftNextTan(forward)); }

void GameModel::moveLiftedTan(int dx, int dy) { notify(board_.moveLifted(dx, dy)); }

void GameModel::turnLiftedTan(int steps) { notify(board_.turnLifted(steps)); }

void GameModel::mirrorLiftedTan() { notify(board_.mirrorLifted()); }

void GameModel::putDownLiftedTan(Board::Refusal refusal) { notify(board_.putDownLifted(refusal)); }

// The windows hear of the offer when it settled the unsaved changes, saved or declined; a name taken
// for a save that then failed shows in the caption only with the next change.
bool GameModel::saveCurrentGame(GameDialogs& dialogs) {
    const bool modified = progress_.gameModified;
    const bool settled = savedGames_.saveCurrentGame(progress_, dialogs);
    Change change;
    change.progress = progress_.gameModified != modified;
    notify(change);
    return settled;
}

void GameModel::newGame(GameDialogs& dialogs) {
    if (!savedGames_.saveCurrentGame(progress_, dialogs)) return;
    progress_.resetForNewGame(catalogue_.tangramCount());
    Change change;
    change.progress = true;
    setUp(tangram(), change);
}

void GameModel::load(const std::string& name, GameDialogs& dialogs) {
    progress_.gameName = name;
    Change change;
    change.progress = true;
    if (!savedGames_.loadGame(name, progress_, dialogs)) {
        notify(change);
        return;
    }
    setUp(tangram(), change);
}

// The board deliberately stays as it is: it goes on showing the figure that moved up, and the caption
// goes on naming it, until the author moves on.
EditOutcome GameModel::addPattern() {
    return pivo::addPattern(catalogue_, dataFile(), tangram(), category(), board_.tans());
}

EditOutcome GameModel::deletePattern() {
    int tangram = position_.tangram;
    const EditOutcome outcome = deleteCurrentPattern(catalogue_, dataFile(), tangram, category());
    if (outcome != EditOutcome::OnlyOfCategory) setUp(tangram);
    return outcome;
}

EditOutcome GameModel::saveCentred() const { return pivo::saveCentred(catalogue_, dataFile()); }

}  // namespace pivo
