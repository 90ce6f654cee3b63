#include "MusicCycle.h"

#include <utility>

namespace pivo {

MusicCycle::MusicCycle(GameState& state, MidiPlayer& player, Lister lister)
    : state_(state), player_(player), lister_(std::move(lister)) {}

void MusicCycle::findMusic() {
    names_ = lister_(state_.programFolder);
    current_ = 0;
    available_ = !names_.empty();
}

void MusicCycle::playAtStartup() {
    if (state_.music && available_) openAndPlay();
}

void MusicCycle::toggleMusic() {
    if (state_.music) {
        player_.stop();
        open_ = false;
        state_.music = false;
        return;
    }
    ++current_;
    if (current_ >= names_.size()) {
        // The folder is read again, so pieces added or removed meanwhile count from here on.
        names_ = lister_(state_.programFolder);
        current_ = 0;
    }
    state_.music = !names_.empty();
    if (state_.music) openAndPlay();
}

void MusicCycle::keepAlive() {
    if (!available_ || !state_.music || !open_ || player_.isPlaying()) return;
    open_ = player_.play();
}

std::string MusicCycle::currentName() const { return current_ < names_.size() ? names_[current_] : std::string(); }

void MusicCycle::openAndPlay() {
    open_ = player_.open(state_.programFolder + names_[current_]) && player_.play();
    if (!open_) player_.stop();
}

}  // namespace pivo
