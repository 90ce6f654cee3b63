#pragma once

#include <string>

namespace pivo {

/// One MIDI piece at a time, played in the background; the music rules drive it through this.
class MidiPlayer {
public:
    virtual ~MidiPlayer() = default;
    /// Makes `path` the piece to play, closing the one before. False when it cannot be played.
    virtual bool open(const std::string& path) = 0;
    /// Starts the open piece, from its beginning when it has ended; returns at once. False when
    /// nothing can sound (no piece, no audio output, no instruments).
    virtual bool play() = 0;
    /// Silences and closes the open piece.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
};

}  // namespace pivo
