#include "FluidSynthPlayer.h"

#include <fluidsynth.h>

#include <filesystem>
#include <system_error>

namespace pivo {

namespace {

constexpr const char* DebianSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// FluidSynth's own level of 0.2 is quiet; background music should still sit below the effects.
constexpr double Gain = 0.4;

bool fileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// The game shows no message about music that cannot sound, and FluidSynth would print its own.
void silenceFluidSynthLog() {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

void applySetting(fluid_settings_t* settings, const std::string& name, const std::string& value) {
    switch (fluid_settings_get_type(settings, name.c_str())) {
        case FLUID_NUM_TYPE: fluid_settings_setnum(settings, name.c_str(), std::stod(value)); break;
        case FLUID_INT_TYPE: fluid_settings_setint(settings, name.c_str(), std::stoi(value)); break;
        default: fluid_settings_setstr(settings, name.c_str(), value.c_str()); break;
    }
}

}  // namespace

FluidSynthPlayer::FluidSynthPlayer(std::string soundFont, std::vector<Setting> settings)
    : soundFont_(std::move(soundFont)), settings_(std::move(settings)) {}

FluidSynthPlayer::~FluidSynthPlayer() {
    closePiece();
    freeSynth();
}

std::string FluidSynthPlayer::defaultSoundFont() {
    silenceFluidSynthLog();
    std::string chosen;
    fluid_settings_t* settings = new_fluid_settings();
    char* configured = nullptr;
    if (settings && fluid_settings_dupstr(settings, "synth.default-soundfont", &configured) == FLUID_OK &&
        configured && fileExists(configured))
        chosen = configured;
    fluid_free(configured);
    delete_fluid_settings(settings);
    if (chosen.empty() && fileExists(DebianSoundFont)) chosen = DebianSoundFont;
    return chosen;
}

bool FluidSynthPlayer::open(const std::string& path) {
    stop();
    if (!fileExists(path) || !fluid_is_midifile(path.c_str())) return false;
    path_ = path;
    return true;
}

bool FluidSynthPlayer::play() {
    if (path_.empty() || failed_) return false;
    if (isPlaying()) return true;
    if (!synth_ && !startSynth()) return false;
    // A piece that has ended is played from a fresh player: FluidSynth's player starts at the beginning.
    closePiece();
    fluid_synth_system_reset(synth_);
    player_ = new_fluid_player(synth_);
    if (!player_ || fluid_player_add(player_, path_.c_str()) != FLUID_OK || fluid_player_play(player_) != FLUID_OK) {
        closePiece();
        return false;
    }
    driver_ = new_fluid_audio_driver(fluidSettings_, synth_);
    if (!driver_) {
        // No audio output: it will not appear during the game, so stop trying and give the memory back.
        closePiece();
        freeSynth();
        failed_ = true;
        return false;
    }
    return true;
}

void FluidSynthPlayer::stop() {
    closePiece();
    path_.clear();
}

bool FluidSynthPlayer::isPlaying() const {
    return player_ && driver_ && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

bool FluidSynthPlayer::startSynth() {
    silenceFluidSynthLog();
    if (!fileExists(soundFont_)) {
        failed_ = true;
        return false;
    }
    fluidSettings_ = new_fluid_settings();
    if (fluidSettings_) {
        fluid_settings_setnum(fluidSettings_, "synth.gain", Gain);
        for (const auto& [name, value] : settings_) applySetting(fluidSettings_, name, value);
        synth_ = new_fluid_synth(fluidSettings_);
    }
    if (!synth_ || fluid_synth_sfload(synth_, soundFont_.c_str(), 1) == FLUID_FAILED) {
        freeSynth();
        failed_ = true;
        return false;
    }
    return true;
}

void FluidSynthPlayer::closePiece() {
    if (driver_) delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
    if (player_) delete_fluid_player(player_);
    player_ = nullptr;
    if (synth_) fluid_synth_all_sounds_off(synth_, -1);
}

void FluidSynthPlayer::freeSynth() {
    if (synth_) delete_fluid_synth(synth_);
    synth_ = nullptr;
    if (fluidSettings_) delete_fluid_settings(fluidSettings_);
    fluidSettings_ = nullptr;
}

}  // namespace pivo
