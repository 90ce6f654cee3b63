#include "FluidSynthPlayer.h"

#include "FluidSynthLibrary.h"

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

std::string chooseSoundFont(const FluidSynthLibrary& fs) {
    std::string chosen;
    fluid_settings_t* settings = fs.new_settings();
    char* configured = nullptr;
    if (settings && fs.settings_dupstr(settings, "synth.default-soundfont", &configured) == FLUID_OK &&
        configured && fileExists(configured))
        chosen = configured;
    if (configured) fs.free(configured);
    if (settings) fs.delete_settings(settings);
    if (chosen.empty() && fileExists(DebianSoundFont)) chosen = DebianSoundFont;
    return chosen;
}

void applySetting(const FluidSynthLibrary& fs, fluid_settings_t* settings, const std::string& name,
                  const std::string& value) {
    switch (fs.settings_get_type(settings, name.c_str())) {
        case FLUID_NUM_TYPE: fs.settings_setnum(settings, name.c_str(), std::stod(value)); break;
        case FLUID_INT_TYPE: fs.settings_setint(settings, name.c_str(), std::stoi(value)); break;
        default: fs.settings_setstr(settings, name.c_str(), value.c_str()); break;
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
    const FluidSynthLibrary fs;
    return fs.loaded() ? chooseSoundFont(fs) : std::string();
}

const FluidSynthLibrary* FluidSynthPlayer::library() {
    if (!library_) library_ = std::make_unique<FluidSynthLibrary>();
    return library_->loaded() ? library_.get() : nullptr;
}

bool FluidSynthPlayer::open(const std::string& path) {
    stop();
    const FluidSynthLibrary* fs = library();
    if (!fs || !fileExists(path) || !fs->is_midifile(path.c_str())) return false;
    path_ = path;
    return true;
}

bool FluidSynthPlayer::play() {
    if (path_.empty() || failed_) return false;
    if (isPlaying()) return true;
    if (!synth_ && !startSynth()) return false;
    const FluidSynthLibrary& fs = *library_;
    // A piece that has ended is played from a fresh player: FluidSynth's player starts at the beginning.
    closePiece();
    fs.synth_system_reset(synth_);
    player_ = fs.new_player(synth_);
    if (!player_ || fs.player_add(player_, path_.c_str()) != FLUID_OK || fs.player_play(player_) != FLUID_OK) {
        closePiece();
        return false;
    }
    driver_ = fs.new_audio_driver(fluidSettings_, synth_);
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
    return player_ && driver_ && library_->player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

bool FluidSynthPlayer::startSynth() {
    const FluidSynthLibrary& fs = *library_;
    if (soundFont_.empty()) soundFont_ = chooseSoundFont(fs);
    if (!fileExists(soundFont_)) {
        failed_ = true;
        return false;
    }
    fluidSettings_ = fs.new_settings();
    if (fluidSettings_) {
        fs.settings_setnum(fluidSettings_, "synth.gain", Gain);
        for (const auto& [name, value] : settings_) applySetting(fs, fluidSettings_, name, value);
        synth_ = fs.new_synth(fluidSettings_);
    }
    if (!synth_ || fs.synth_sfload(synth_, soundFont_.c_str(), 1) == FLUID_FAILED) {
        freeSynth();
        failed_ = true;
        return false;
    }
    return true;
}

void FluidSynthPlayer::closePiece() {
    if (!library_) return;
    const FluidSynthLibrary& fs = *library_;
    if (driver_) fs.delete_audio_driver(driver_);
    driver_ = nullptr;
    if (player_) fs.delete_player(player_);
    player_ = nullptr;
    if (synth_) fs.synth_all_sounds_off(synth_, -1);
}

void FluidSynthPlayer::freeSynth() {
    if (!library_) return;
    if (synth_) library_->delete_synth(synth_);
    synth_ = nullptr;
    if (fluidSettings_) library_->delete_settings(fluidSettings_);
    fluidSettings_ = nullptr;
}

}  // namespace pivo
