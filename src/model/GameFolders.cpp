#include "GameFolders.h"

#include "FileIo.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace pivo {
namespace {

std::string asFolder(const fs::path& path) {
    std::string folder = path.string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool holdsCatalogue(const fs::path& folder) {
    std::error_code error;
    return fs::is_regular_file(folder / "pivo.dat", error);
}

}  // namespace

std::string chooseProgramFolder(const std::string& executableFolder, const std::string& installedData) {
    const fs::path own(executableFolder);
    if (holdsCatalogue(own) || installedData.empty()) return asFolder(own);
    const fs::path installed = (own / installedData).lexically_normal();
    return asFolder(holdsCatalogue(installed) ? installed : own);
}

std::string chooseGamesFolder(const std::string& programFolder, const std::string& userGames) {
    const std::string games = asFolder(fs::path(programFolder) / "games");
    std::error_code error;
    fs::create_directory(games, error);
    return canCreateFilesIn(games) ? games : asFolder(userGames);
}

}  // namespace pivo
