#pragma once

#include "model/Catalogue.h"

#include <string>

namespace pivo::tool {

/// The tool speaks English, whatever language the player chose.
inline constexpr Language ToolLanguage = Language::English;

/// How a category reads in the tool's messages: `3 "Buildings and ships"`, or just the number when
/// the byte names no category.
std::string categoryLabel(int categoryByte);

/// What the player sees of a catalogue entry ("Animals 12"); empty when the game cannot use it.
std::string playerLabel(const CatalogueEntry& entry);

}  // namespace pivo::tool
