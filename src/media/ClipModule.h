#pragma once

#include "ClipDeck.h"

#include <memory>
#include <string>

namespace pivo {

/// File name of the module that plays the clips through Qt Multimedia; it lies beside the executable.
inline constexpr const char* ClipModuleName = "pivolet-clips.so";

/// The name under which the module hands out its deck: a function taking nothing and returning a new
/// ClipDeck that the caller owns.
inline constexpr const char* ClipModuleEntry = "pivoletNewClipDeck";

/// Opens the clip module at `path` and makes its deck; nullptr when the module is missing or broken.
/// Qt Multimedia and its audio stack (PulseAudio, D-Bus, Qt Network, the codecs) come with the module,
/// so a program that links none of them pays for them only from this call on.
std::unique_ptr<ClipDeck> openClipModule(const std::string& path);

}  // namespace pivo
