#include "FluidSynthLibrary.h"

#include <initializer_list>

namespace pivo {

// The library name carries the binary interface the headers describe.
static_assert(FLUIDSYNTH_VERSION_MAJOR == 2, "FluidSynth 2 is opened as library version 3");
constexpr int LibraryVersion = 3;

namespace {

template <typename Function>
bool find(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

}  // namespace

FluidSynthLibrary::FluidSynthLibrary() : library_("fluidsynth", LibraryVersion) {
    // Never unloaded: its audio libraries do not survive being unloaded and loaded again in one process.
    library_.setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
    if (!library_.load()) return;
    const bool all = find(library_, set_log_function, "fluid_set_log_function") && find(library_, free, "fluid_free") &&
                     find(library_, is_midifile, "fluid_is_midifile") &&
                     find(library_, new_settings, "new_fluid_settings") &&
                     find(library_, delete_settings, "delete_fluid_settings") &&
                     find(library_, settings_get_type, "fluid_settings_get_type") &&
                     find(library_, settings_dupstr, "fluid_settings_dupstr") &&
                     find(library_, settings_setstr, "fluid_settings_setstr") &&
                     find(library_, settings_setint, "fluid_settings_setint") &&
                     find(library_, settings_setnum, "fluid_settings_setnum") &&
                     find(library_, new_synth, "new_fluid_synth") && find(library_, delete_synth, "delete_fluid_synth") &&
                     find(library_, synth_sfload, "fluid_synth_sfload") &&
                     find(library_, synth_system_reset, "fluid_synth_system_reset") &&
                     find(library_, synth_all_sounds_off, "fluid_synth_all_sounds_off") &&
                     find(library_, new_player, "new_fluid_player") && find(library_, delete_player, "delete_fluid_player") &&
                     find(library_, player_add, "fluid_player_add") && find(library_, player_play, "fluid_player_play") &&
                     find(library_, player_get_status, "fluid_player_get_status") &&
                     find(library_, new_audio_driver, "new_fluid_audio_driver") &&
                     find(library_, delete_audio_driver, "delete_fluid_audio_driver");
    if (!all) return;
    loaded_ = true;
    // The game shows no message about music that cannot sound, and FluidSynth would print its own.
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) set_log_function(level, nullptr, nullptr);
}

}  // namespace pivo
