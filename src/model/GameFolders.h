#pragma once

#include <string>

namespace pivo {

/// The program folder, ending with a separator: the executable's own folder when pivo.dat lies there
/// (a build folder, a copied folder), otherwise the installed data folder `installedData` (given
/// relative to the executable's folder, so that an installed tree can be moved) when pivo.dat lies
/// there, otherwise the executable's folder again, where the game then misses its catalogue.
std::string chooseProgramFolder(const std::string& executableFolder, const std::string& installedData);

/// The folder for saved games, ending with a separator: `games/` of the program folder when it exists
/// or can be made there and a file can be written in it; otherwise `userGames`, the player's own
/// folder, which is made only when the first game is saved there.
std::string chooseGamesFolder(const std::string& programFolder, const std::string& userGames);

}  // namespace pivo
