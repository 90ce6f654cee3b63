#pragma once

#include "GameWindows.h"
#include "model/Preferences.h"
#include "model/SavedGames.h"

namespace pivo {

/// Lets the save and load flows of the saved games ask the player through the game's windows, in the
/// player's language.
class SaveLoadDialogs : public GameDialogs {
public:
    SaveLoadDialogs(const Preferences& preferences, GameWindows& windows);

    bool askGameName(std::string& name) override;
    bool askOverwrite(const std::string& name) override;
    void tellSaveFailed(const std::string& name) override;
    void tellLoadFailed(const std::string& name) override;

private:
    const Preferences& preferences_;
    GameWindows& windows_;
};

}  // namespace pivo
