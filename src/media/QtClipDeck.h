#pragma once

#include "ClipDeck.h"

#include <QSoundEffect>

#include <array>
#include <memory>

namespace pivo {

/// The six sound clips, built into the program as WAVE resources, played through Qt Multimedia.
/// The clips are loaded at their first use, so an idle game never opens the audio output. Without
/// an audio device they stay silent; Qt reports nothing to the player.
class QtClipDeck : public ClipDeck {
public:
    QtClipDeck();
    ~QtClipDeck() override;

    void start(int clip) override;
    void silence(int clip) override;

    /// The clip, loading it when needed; for checks that the resources can be decoded.
    QSoundEffect& clip(int clip);

private:
    std::array<std::unique_ptr<QSoundEffect>, ClipCount> clips_;
};

}  // namespace pivo
