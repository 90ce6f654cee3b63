#include "SavedGames.h"

#include "FileIo.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace pivo {
namespace {

constexpr std::string_view Extension = ".pvg";

}  // namespace

bool isValidGameName(std::string_view name) {
    if (name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c < 0x20 || c == 0x7f || c == '/' || c == '\\';
    });
}

SavedGames::SavedGames(std::string programFolder) : folder_(std::move(programFolder) + "games/") {}

SavedGames SavedGames::inFolder(std::string folder) {
    SavedGames games("");
    games.folder_ = std::move(folder);
    return games;
}

std::string SavedGames::folder() const { return folder_; }

std::string SavedGames::pathOf(std::string_view name) const {
    return folder() + std::string(name) + std::string(Extension);
}

bool SavedGames::exists(std::string_view name) const {
    std::error_code error;
    return isValidGameName(name) && fs::exists(pathOf(name), error);
}

std::vector<std::string> SavedGames::list() const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder(), error), end; !error && it != end; it.increment(error)) {
        const std::string file = it->path().filename().string();
        if (file.size() <= Extension.size() || !file.ends_with(Extension)) continue;
        // A pipe or a device under a game's name can never be loaded, so it is not offered.
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        // A file dropped into the folder by hand may carry a name the game could never load.
        std::string name = file.substr(0, file.size() - Extension.size());
        if (isValidGameName(name)) names.push_back(std::move(name));
    }
    return names;
}

bool SavedGames::saveCurrentGame(Progress& progress, GameDialogs& dialogs) const {
    if (!progress.gameModified) return true;
    std::string name = progress.gameName;
    const bool accepted = dialogs.askGameName(name);
    if (accepted) progress.gameName = name;
    if (!accepted || progress.gameName.empty()) {
        progress.gameModified = false;
        return true;
    }
    const std::string& gameName = progress.gameName;
    if (exists(gameName) && !dialogs.askOverwrite(gameName)) return false;
    // The player's own games folder is made when it is first needed; one that cannot be made fails the
    // save like any other write.
    std::error_code error;
    fs::create_directories(folder(), error);
    if (!isValidGameName(gameName) || !replaceFileAtomically(pathOf(gameName), progress.bytes())) {
        dialogs.tellSaveFailed(gameName);
        return false;
    }
    progress.gameModified = false;
    return true;
}

bool SavedGames::loadGame(const std::string& name, Progress& progress, GameDialogs& dialogs) const {
    const auto bytes = isValidGameName(name) ? readFile(pathOf(name), StatusTableSize) : std::nullopt;
    if (!bytes) {
        dialogs.tellLoadFailed(name);
        progress.gameName.clear();
        return false;
    }
    progress.assign(*bytes);
    progress.gameModified = false;
    return true;
}

void SavedGames::reopen(Progress& progress, GameDialogs& dialogs) const {
    progress.clear();
    if (progress.gameName.empty()) return;
    if (exists(progress.gameName))
        loadGame(progress.gameName, progress, dialogs);
    else
        progress.gameName.clear();
}

}  // namespace pivo
