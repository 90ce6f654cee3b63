#pragma once

namespace pivo {

/// The background music: MIDI files of the program folder, one at a time, repeated endlessly.
class Music {
public:
    virtual ~Music() = default;
    /// Finds the first piece and plays it when music is switched on.
    virtual void startMusicAtStartup() = 0;
    /// Called once a second: restarts a piece that has ended while music is on.
    virtual void musicKeepAlive() = 0;
};

/// Plays nothing: the game's stand-in until the music player exists.
class SilentMusic : public Music {
public:
    void startMusicAtStartup() override {}
    void musicKeepAlive() override {}
};

}  // namespace pivo
