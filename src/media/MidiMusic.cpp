#include "MidiMusic.h"

#include "MidiFiles.h"

#include <utility>

namespace pivo {

MidiMusic::MidiMusic(GameState& state, std::string soundFont, std::vector<FluidSynthPlayer::Setting> settings)
    : state_(state),
      player_(std::move(soundFont), std::move(settings)),
      cycle_(state, player_, listMidiFiles),
      firstFrame_([this] { cycle_.playAtStartup(); }) {}

void MidiMusic::startMusicAtStartup() {
    cycle_.findMusic();
    if (state_.music && cycle_.musicAvailable()) firstFrame_.arm();
}

void MidiMusic::musicKeepAlive() {
    // Before the first frame the piece is not open yet; keepAlive() asks nothing of the player then.
    cycle_.keepAlive();
}

}  // namespace pivo
