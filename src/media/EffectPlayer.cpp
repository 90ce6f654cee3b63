#include "EffectPlayer.h"

namespace pivo {

EffectPlayer::EffectPlayer(const Preferences& preferences, ClipDeck& clips) : preferences_(preferences), clips_(clips) {}

void EffectPlayer::playSoundEffect(int effect) {
    if (!preferences_.sound) return;
    if (last_ >= 0) clips_.silence(last_);
    last_ = -1;
    if (effect < 1 || effect > ClipDeck::ClipCount) return;
    last_ = effect - 1;
    clips_.start(last_);
}

}  // namespace pivo
