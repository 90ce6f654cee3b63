#pragma once

namespace pivo {

/// The six built-in sound clips, 0..5, each started or silenced on its own, never waited for.
class ClipDeck {
public:
    static constexpr int ClipCount = 6;

    virtual ~ClipDeck() = default;
    virtual void start(int clip) = 0;
    virtual void silence(int clip) = 0;
};

}  // namespace pivo
