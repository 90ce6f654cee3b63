#pragma once

namespace pivo {

/// The six short sounds of the board (1 pick up .. 6 refused). Playing starts at once and never
/// waits; a new effect cuts off the one still sounding, and nothing plays while sound is switched off.
class SoundEffects {
public:
    virtual ~SoundEffects() = default;
    virtual void playSoundEffect(int effect) = 0;
};

}  // namespace pivo
