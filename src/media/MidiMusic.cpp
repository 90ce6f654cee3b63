#include "MidiMusic.h"

#include "MidiFiles.h"

#include <memory>
#include <utility>

namespace pivo {

MidiMusic::MidiMusic(Preferences& preferences, std::string soundFont, std::vector<FluidSynthPlayer::Setting> settings)
    : preferences_(preferences),
      player_(std::make_unique<FluidSynthPlayer>(std::move(soundFont), std::move(settings))),
      cycle_(preferences, player_, listMidiFiles),
      firstFrame_([this] { cycle_.playAtStartup(); }) {}

void MidiMusic::startMusicAtStartup() {
    cycle_.findMusic();
    if (preferences_.music && cycle_.musicAvailable()) firstFrame_.arm();
}

void MidiMusic::musicKeepAlive() {
    // Before the first frame the piece is not open yet; keepAlive() asks nothing of the player then.
    cycle_.keepAlive();
}

}  // namespace pivo
