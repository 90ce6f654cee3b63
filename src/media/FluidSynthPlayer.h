#pragma once

#include "MidiPlayer.h"

#include <fluidsynth/types.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace pivo {

class FluidSynthLibrary;

/// Plays MIDI files through the FluidSynth software synthesiser. FluidSynth itself is opened at the
/// first open(), the SoundFont loaded and the audio output opened at the first play(), not before;
/// FluidSynth renders on its own audio thread; calls here come from one thread at a time. When FluidSynth,
/// the SoundFont or the audio output cannot be had, play() fails from then on without trying again,
/// and nothing is reported.
class FluidSynthPlayer : public MidiPlayer {
public:
    /// A FluidSynth setting given by name, as text (numbers are converted).
    using Setting = std::pair<std::string, std::string>;

    /// `soundFont` is the instrument file; empty means defaultSoundFont(), looked up at the first play.
    /// `settings` go to FluidSynth before it starts (for example another audio driver).
    explicit FluidSynthPlayer(std::string soundFont = {}, std::vector<Setting> settings = {});
    ~FluidSynthPlayer() override;
    FluidSynthPlayer(const FluidSynthPlayer&) = delete;
    FluidSynthPlayer& operator=(const FluidSynthPlayer&) = delete;

    /// The SoundFont to use: FluidSynth's default when that file exists (the player may have installed
    /// a bigger one), else the small General MIDI set from Debian; empty when neither exists.
    static std::string defaultSoundFont();

    bool open(const std::string& path) override;
    bool play() override;
    void stop() override;
    bool isPlaying() const override;

    /// The synthesiser has been started (the SoundFont is in memory).
    bool started() const { return synth_ != nullptr; }

private:
    /// FluidSynth's functions, opening the library at the first call; nullptr when it is missing.
    const FluidSynthLibrary* library();
    bool startSynth();
    /// Stops the audio thread first, so that the player is never freed under it.
    void closePiece();
    void freeSynth();

    std::string soundFont_;
    std::vector<Setting> settings_;
    std::string path_;
    bool failed_ = false;
    std::unique_ptr<FluidSynthLibrary> library_;
    fluid_settings_t* fluidSettings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
};

}  // namespace pivo
