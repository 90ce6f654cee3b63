#pragma once

#include "MidiPlayer.h"

#include <string>
#include <utility>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;
struct _fluid_audio_driver_t;

namespace pivo {

/// Plays MIDI files through the FluidSynth software synthesiser. The SoundFont is loaded and the audio
/// output opened at the first play(), not before; FluidSynth renders on its own audio thread, every
/// call here comes from one thread. When the SoundFont or the audio output cannot be had, play()
/// fails from then on without trying again, and nothing is reported.
class FluidSynthPlayer : public MidiPlayer {
public:
    /// A FluidSynth setting given by name, as text (numbers are converted).
    using Setting = std::pair<std::string, std::string>;

    /// `soundFont` is the instrument file; `settings` go to FluidSynth before it starts (for example
    /// another audio driver).
    explicit FluidSynthPlayer(std::string soundFont, std::vector<Setting> settings = {});
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
    bool startSynth();
    /// Stops the audio thread first, so that the player is never freed under it.
    void closePiece();
    void freeSynth();

    std::string soundFont_;
    std::vector<Setting> settings_;
    std::string path_;
    bool failed_ = false;
    _fluid_hashtable_t* fluidSettings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_player_t* player_ = nullptr;
    _fluid_audio_driver_t* driver_ = nullptr;
};

}  // namespace pivo
