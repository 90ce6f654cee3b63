#include "DeferredClipDeck.h"

#include <utility>

namespace pivo {

DeferredClipDeck::DeferredClipDeck(Opener open) : open_(std::move(open)), firstFrame_([this] { this->open(); }) {}

DeferredClipDeck::~DeferredClipDeck() = default;

void DeferredClipDeck::openAfterFirstFrame() { firstFrame_.arm(); }

void DeferredClipDeck::open() {
    if (tried_) return;
    tried_ = true;
    deck_ = open_();
}

void DeferredClipDeck::start(int clip) {
    open();
    if (deck_) deck_->start(clip);
}

void DeferredClipDeck::silence(int clip) {
    if (deck_) deck_->silence(clip);
}

}  // namespace pivo
