#include "MusicCycle.h"

#include <utility>

namespace pivo {

MusicCycle::MusicCycle(Preferences& preferences, MidiPlayer& player, Lister lister)
    : preferences_(preferences), player_(player), lister_(std::move(lister)) {}

void MusicCycle::findMusic() {
    names_ = lister_(preferences_.programFolder);
    current_ = 0;
    available_ = !names_.empty();
}

void MusicCycle::playAtStartup() {
    if (preferences_.music && available_) openAndPlay();
}

void MusicCycle::toggleMusic() {
    if (preferences_.music) {
        player_.stop();
        open_ = false;
        preferences_.music = false;
        return;
    }
    ++current_;
    if (current_ >= names_.size()) {
        // The folder is read again, so pieces added or removed meanwhile count from here on.
        names_ = lister_(preferences_.programFolder);
        current_ = 0;
    }
    preferences_.music = !names_.empty();
    if (preferences_.music) openAndPlay();
}

void MusicCycle::keepAlive() {
    if (!available_ || !preferences_.music || !open_ || player_.isPlaying()) return;
    open_ = player_.play();
}

std::string MusicCycle::currentName() const { return current_ < names_.size() ? names_[current_] : std::string(); }

void MusicCycle::openAndPlay() {
    open_ = player_.open(preferences_.programFolder + names_[current_]) && player_.play();
    if (!open_) player_.stop();
}

}  // namespace pivo
