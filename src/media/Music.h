#pragma once

#include <string>

namespace pivo {

/// The background music: MIDI files of the program folder, one at a time, repeated endlessly; and
/// the sound and music switches behind the options dialog's buttons.
class Music {
public:
    virtual ~Music() = default;
    /// Finds the first piece and plays it when music is switched on.
    virtual void startMusicAtStartup() = 0;
    /// Called once a second: restarts a piece that has ended while music is on.
    virtual void musicKeepAlive() = 0;

    /// The music button: off, or on with the next piece of the folder.
    virtual void toggleMusic() = 0;
    /// The sound button: flips the sound effects switch.
    virtual void toggleSound() = 0;
    /// A MIDI file was found at start-up; without one the music button is disabled.
    virtual bool musicAvailable() const = 0;
    /// The current piece's file name without folder.
    virtual std::string currentMusicName() const = 0;
};

}  // namespace pivo
