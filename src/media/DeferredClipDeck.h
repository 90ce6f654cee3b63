#pragma once

#include "ClipDeck.h"
#include "FirstFrameWatch.h"

#include <functional>
#include <memory>

namespace pivo {

/// A clip deck that is opened only when it is first needed: after the first frame (openAfterFirstFrame),
/// or at the first clip started before that, so an effect is never lost. Until then nothing of the
/// audio stack is in the process. A deck that cannot be opened leaves the effects silent.
class DeferredClipDeck : public ClipDeck {
public:
    using Opener = std::function<std::unique_ptr<ClipDeck>()>;

    explicit DeferredClipDeck(Opener open);
    ~DeferredClipDeck() override;

    /// Opens the deck once the first window has painted its first frame.
    void openAfterFirstFrame();
    /// Opens the deck now, unless it has been tried already.
    void open();
    bool opened() const { return deck_ != nullptr; }

    void start(int clip) override;
    void silence(int clip) override;

private:
    Opener open_;
    bool tried_ = false;
    std::unique_ptr<ClipDeck> deck_;
    FirstFrameWatch firstFrame_;
};

}  // namespace pivo
