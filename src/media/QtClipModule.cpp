// The entry of the clip module (pivolet-clips.so): the only place the game's executable reaches
// Qt Multimedia, and only once it opens this module.
#include "ClipModule.h"
#include "QtClipDeck.h"

extern "C" __attribute__((visibility("default"))) pivo::ClipDeck* pivoletNewClipDeck() {
    return new pivo::QtClipDeck();
}
