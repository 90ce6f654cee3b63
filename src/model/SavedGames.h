#pragma once

#include "Progress.h"

#include <string>
#include <string_view>
#include <vector>

namespace pivo {

/// What the save and load flows ask of the player; the window side fills it with its dialogs.
class GameDialogs {
public:
    virtual ~GameDialogs() = default;
    /// The save dialog: shows `name` for editing; true on OK, with `name` replaced by the edited text.
    virtual bool askGameName(std::string& name) = 0;
    /// Whether the saved game `name`, which exists already, may be replaced; true for Yes.
    virtual bool askOverwrite(const std::string& name) = 0;
    /// The game could not be saved under `name`.
    virtual void tellSaveFailed(const std::string& name) = 0;
    /// The saved game `name` could not be loaded.
    virtual void tellLoadFailed(const std::string& name) = 0;
};

/// Whether a game name can be a file name in the games folder: not "." or "..", no path separator,
/// no NUL or other control character. The empty name is left to the flows (never saved).
bool isValidGameName(std::string_view name);

/// The saved games: `<ProgramFolder>games/<name>.pvg`, 3000 progress bytes each, or the same files in
/// another folder where the program folder cannot hold them.
class SavedGames {
public:
    explicit SavedGames(std::string programFolder);
    /// The saved games in `folder` (ending with a separator), made when the first game is saved.
    static SavedGames inFolder(std::string folder);

    std::string folder() const;
    std::string pathOf(std::string_view name) const;
    bool exists(std::string_view name) const;
    /// Names of the saved games, in the order the file system lists them.
    std::vector<std::string> list() const;

    /// Unsaved progress is offered for saving under a name; see the game's rules for every outcome.
    /// True when nothing is left unsaved: it was saved, there was nothing to save, or the player gave
    /// it up by cancelling or leaving the name empty. False when the progress is still unsaved, the
    /// save having failed or the player having refused to overwrite: whatever would replace it must
    /// then not go on.
    bool saveCurrentGame(Progress& progress, GameDialogs& dialogs) const;
    /// Reads a saved game into the progress; on failure tells why, empties the name, keeps the table.
    bool loadGame(const std::string& name, Progress& progress, GameDialogs& dialogs) const;
    /// Start-up: the table is cleared and the named game reopened; a missing file forgets the name.
    void reopen(Progress& progress, GameDialogs& dialogs) const;

private:
    std::string folder_;
};

}  // namespace pivo
