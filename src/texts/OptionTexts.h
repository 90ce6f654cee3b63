#pragma once

#include "model/Preferences.h"

#include <string>
#include <string_view>

namespace pivo {

/// Every text of the options dialog for the settings in force.
struct OptionTexts {
    std::string okHint;
    std::string heading;
    std::string tongueHint;
    std::string tongueLabel;
    std::string soundHint;
    std::string soundLabel;
    std::string musicHint;
    std::string musicLabel;
    std::string backHint;
    std::string backLabel;
    std::string patHint;
    std::string patLabel;
};

/// Without music files the music label says so, whatever the music switch holds; with music on it
/// names the piece playing (`musicName`, without folder).
OptionTexts optionTexts(const Preferences& preferences, bool musicAvailable, std::string_view musicName);

}  // namespace pivo
