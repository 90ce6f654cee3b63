#pragma once

#include "media/MidiPlayer.h"

#include <string>
#include <vector>

namespace pivo {

/// A MIDI player without sound that writes down what it was asked; a piece "ends" when told.
struct FakeMidiPlayer : MidiPlayer {
    std::vector<std::string> log;
    std::string piece;
    bool playing = false;
    bool refuseOpen = false;
    bool refusePlay = false;

    bool open(const std::string& path) override {
        log.push_back("open " + path);
        playing = false;
        piece = refuseOpen ? std::string() : path;
        return !refuseOpen;
    }
    bool play() override {
        log.push_back("play");
        playing = !refusePlay && !piece.empty();
        return playing;
    }
    void stop() override {
        log.push_back("stop");
        playing = false;
        piece.clear();
    }
    bool isPlaying() const override { return playing; }
};

}  // namespace pivo
