#include "QtClipDeck.h"

#include <QUrl>

namespace pivo {

QtClipDeck::QtClipDeck() = default;
QtClipDeck::~QtClipDeck() = default;

QSoundEffect& QtClipDeck::clip(int clip) {
    auto& effect = clips_.at(static_cast<std::size_t>(clip));
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QStringLiteral("qrc:/pivo/sounds/effect%1.wav").arg(clip + 1)));
    }
    return *effect;
}

void QtClipDeck::start(int clip) {
    // QSoundEffect queues a play requested while its clip is still loading.
    this->clip(clip).play();
}

void QtClipDeck::silence(int clip) {
    auto& effect = clips_.at(static_cast<std::size_t>(clip));
    if (effect) effect->stop();
}

}  // namespace pivo
