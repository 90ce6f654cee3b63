#pragma once

#include "ClipDeck.h"
#include "model/Preferences.h"
#include "SoundEffects.h"

namespace pivo {

/// The rules of the sound effects: effect n is clip n - 1; nothing at all happens while
/// `preferences.sound` is off; otherwise the effect still sounding is silenced before the next starts, so a
/// new effect always cuts off the last. Effect 0 only silences; numbers beyond the clips are ignored.
class EffectPlayer : public SoundEffects {
public:
    EffectPlayer(const Preferences& preferences, ClipDeck& clips);

    void playSoundEffect(int effect) override;

private:
    const Preferences& preferences_;
    ClipDeck& clips_;
    /// The clip started last, or -1.
    int last_ = -1;
};

}  // namespace pivo
