#pragma once

#include "GameWindows.h"
#include "model/GameState.h"
#include "model/SavedGames.h"

#include <functional>

namespace pivo {

/// Lets the save and load flows of the saved games ask the player through the game's windows, in the
/// player's language.
class SaveLoadDialogs : public GameDialogs {
public:
    SaveLoadDialogs(const GameState& state, GameWindows& windows, std::function<void()> updateCaption);

    bool askGameName(std::string& name) override;
    bool askOverwrite(const std::string& name) override;
    void tellSaveFailed(const std::string& name) override;
    void tellLoadFailed(const std::string& name) override;
    void updateCaption() override;

private:
    const GameState& state_;
    GameWindows& windows_;
    std::function<void()> updateCaption_;
};

}  // namespace pivo
