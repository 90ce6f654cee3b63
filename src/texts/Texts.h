#pragma once

#include "model/Language.h"

#include <string>
#include <string_view>

namespace pivo::texts {

/// German only for German; English for every other value, not chosen yet included.
inline bool german(Language language) { return language == Language::German; }
inline std::string_view pick(Language language, std::string_view de, std::string_view en) {
    return german(language) ? de : en;
}

std::string overwriteQuestion(Language language, std::string_view gameName);
std::string saveError(Language language, std::string_view gameName);
std::string loadError(Language language, std::string_view gameName);
std::string missingCatalogue(Language language);
/// The data file holds no usable figure of some category, so the game cannot navigate it.
std::string emptyCategory(Language language, int category);

}  // namespace pivo::texts
