#pragma once

#include <string>
#include <string_view>

namespace pivo::texts {

/// German when the language flag is 1, English for every other value (also -1, not chosen yet).
inline bool german(int languageFlag) { return languageFlag == 1; }
inline std::string_view pick(int languageFlag, std::string_view de, std::string_view en) {
    return german(languageFlag) ? de : en;
}

std::string overwriteQuestion(int languageFlag, std::string_view gameName);
std::string saveError(int languageFlag, std::string_view gameName);
std::string loadError(int languageFlag, std::string_view gameName);
std::string missingCatalogue(int languageFlag);
/// The data file holds no usable figure of some category, so the game cannot navigate it.
std::string emptyCategory(int languageFlag, int category);

}  // namespace pivo::texts
