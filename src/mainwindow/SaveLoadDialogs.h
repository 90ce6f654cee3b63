#pragma once

#include "GameWindows.h"
#include "model/SavedGames.h"

#include <functional>

namespace pivo {

/// Lets the save and load flows of the saved games ask the player through the game's windows.
class SaveLoadDialogs : public GameDialogs {
public:
    SaveLoadDialogs(GameWindows& windows, std::function<void()> updateCaption);

    bool askGameName(std::string& name) override;
    bool askYesNo(const std::string& text) override;
    void tell(const std::string& text) override;
    void updateCaption() override;

private:
    GameWindows& windows_;
    std::function<void()> updateCaption_;
};

}  // namespace pivo
