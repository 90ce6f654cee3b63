#pragma once

#include <QLibrary>

#include <fluidsynth.h>

namespace pivo {

/// FluidSynth, opened at run time. Linking it would make every start of the game load some forty
/// audio and codec libraries before the first frame (measured: about 16–40 ms), music on or off;
/// opened here, it costs nothing until the first piece is to play. Missing, it leaves the game silent.
class FluidSynthLibrary {
public:
    /// Opens the library and looks up every function below; loaded() tells whether all were found.
    FluidSynthLibrary();
    FluidSynthLibrary(const FluidSynthLibrary&) = delete;
    FluidSynthLibrary& operator=(const FluidSynthLibrary&) = delete;

    bool loaded() const { return loaded_; }

    decltype(&::fluid_set_log_function) set_log_function = nullptr;
    decltype(&::fluid_free) free = nullptr;
    decltype(&::fluid_is_midifile) is_midifile = nullptr;
    decltype(&::new_fluid_settings) new_settings = nullptr;
    decltype(&::delete_fluid_settings) delete_settings = nullptr;
    decltype(&::fluid_settings_get_type) settings_get_type = nullptr;
    decltype(&::fluid_settings_dupstr) settings_dupstr = nullptr;
    decltype(&::fluid_settings_setstr) settings_setstr = nullptr;
    decltype(&::fluid_settings_setint) settings_setint = nullptr;
    decltype(&::fluid_settings_setnum) settings_setnum = nullptr;
    decltype(&::new_fluid_synth) new_synth = nullptr;
    decltype(&::delete_fluid_synth) delete_synth = nullptr;
    decltype(&::fluid_synth_sfload) synth_sfload = nullptr;
    decltype(&::fluid_synth_system_reset) synth_system_reset = nullptr;
    decltype(&::fluid_synth_all_sounds_off) synth_all_sounds_off = nullptr;
    decltype(&::new_fluid_player) new_player = nullptr;
    decltype(&::delete_fluid_player) delete_player = nullptr;
    decltype(&::fluid_player_add) player_add = nullptr;
    decltype(&::fluid_player_play) player_play = nullptr;
    decltype(&::fluid_player_get_status) player_get_status = nullptr;
    decltype(&::new_fluid_audio_driver) new_audio_driver = nullptr;
    decltype(&::delete_fluid_audio_driver) delete_audio_driver = nullptr;

private:
    QLibrary library_;
    bool loaded_ = false;
};

}  // namespace pivo
