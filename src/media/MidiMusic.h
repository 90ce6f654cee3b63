#pragma once

#include "BackgroundMidiPlayer.h"
#include "FirstFrameWatch.h"
#include "FluidSynthPlayer.h"
#include "model/Preferences.h"
#include "Music.h"
#include "MusicCycle.h"

#include <string>
#include <vector>

namespace pivo {

/// The game's background music: the MIDI files of the program folder through FluidSynth, and the
/// sound and music switches behind the options dialog's buttons. The switches are `preferences.sound` and
/// `preferences.music`. The synthesiser starts only after the first frame is on the screen, and only when
/// music is on and a piece exists; it loads and plays on a thread of its own, so that no SoundFont, however
/// large, holds up the windows. Without a SoundFont or audio output the game is silent and says nothing.
class MidiMusic : public Music {
public:
    /// `preferences.programFolder` must be set before startMusicAtStartup(); `soundFont` is the instrument
    /// file, empty for FluidSynth's choice or the small Debian one; `settings` go to FluidSynth (for
    /// example another audio driver). Nothing of FluidSynth is loaded here.
    explicit MidiMusic(Preferences& preferences, std::string soundFont = {},
                       std::vector<FluidSynthPlayer::Setting> settings = {});

    void startMusicAtStartup() override;
    void musicKeepAlive() override;

    void toggleMusic() override { cycle_.toggleMusic(); }
    /// Plays nothing and cuts nothing off.
    void toggleSound() override { preferences_.sound = !preferences_.sound; }
    bool musicAvailable() const override { return cycle_.musicAvailable(); }
    std::string currentMusicName() const override { return cycle_.currentName(); }
    /// A piece is sounding right now (it may have ended since the last tick).
    bool musicPlaying() const { return player_.sounding(); }

private:
    Preferences& preferences_;
    BackgroundMidiPlayer player_;
    MusicCycle cycle_;
    FirstFrameWatch firstFrame_;
};

}  // namespace pivo
