#include "FluidSynthLibrary.h"

#include <dlfcn.h>

#include <initializer_list>

namespace pivo {

// The library name carries the binary interface the headers describe.
static_assert(FLUIDSYNTH_VERSION_MAJOR == 2, "FluidSynth 2 is opened as libfluidsynth.so.3");
constexpr const char* LibraryName = "libfluidsynth.so.3";

namespace {

template <typename Function>
bool find(void* handle, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

}  // namespace

FluidSynthLibrary::FluidSynthLibrary() {
    // Never unloaded: its audio libraries do not survive being unloaded and loaded again in one process.
    void* handle = dlopen(LibraryName, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle) return;
    const bool all = find(handle, set_log_function, "fluid_set_log_function") && find(handle, free, "fluid_free") &&
                     find(handle, is_midifile, "fluid_is_midifile") &&
                     find(handle, new_settings, "new_fluid_settings") &&
                     find(handle, delete_settings, "delete_fluid_settings") &&
                     find(handle, settings_get_type, "fluid_settings_get_type") &&
                     find(handle, settings_dupstr, "fluid_settings_dupstr") &&
                     find(handle, settings_setstr, "fluid_settings_setstr") &&
                     find(handle, settings_setint, "fluid_settings_setint") &&
                     find(handle, settings_setnum, "fluid_settings_setnum") &&
                     find(handle, new_synth, "new_fluid_synth") && find(handle, delete_synth, "delete_fluid_synth") &&
                     find(handle, synth_sfload, "fluid_synth_sfload") &&
                     find(handle, synth_system_reset, "fluid_synth_system_reset") &&
                     find(handle, synth_all_sounds_off, "fluid_synth_all_sounds_off") &&
                     find(handle, new_player, "new_fluid_player") && find(handle, delete_player, "delete_fluid_player") &&
                     find(handle, player_add, "fluid_player_add") && find(handle, player_play, "fluid_player_play") &&
                     find(handle, player_get_status, "fluid_player_get_status") &&
                     find(handle, new_audio_driver, "new_fluid_audio_driver") &&
                     find(handle, delete_audio_driver, "delete_fluid_audio_driver");
    if (!all) {
        dlclose(handle);
        return;
    }
    handle_ = handle;
    // The game shows no message about music that cannot sound, and FluidSynth would print its own.
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) set_log_function(level, nullptr, nullptr);
}

FluidSynthLibrary::~FluidSynthLibrary() {
    if (handle_) dlclose(handle_);
}

}  // namespace pivo
