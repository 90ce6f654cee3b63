#include "QtSoundEffects.h"

#include <QUrl>

namespace pivo {

QtSoundEffects::QtSoundEffects() = default;
QtSoundEffects::~QtSoundEffects() = default;

QSoundEffect& QtSoundEffects::clip(int clip) {
    auto& effect = clips_.at(static_cast<std::size_t>(clip));
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QStringLiteral("qrc:/pivo/sounds/effect%1.wav").arg(clip + 1)));
    }
    return *effect;
}

void QtSoundEffects::start(int clip) {
    // QSoundEffect queues a play requested while its clip is still loading.
    this->clip(clip).play();
}

void QtSoundEffects::silence(int clip) {
    auto& effect = clips_.at(static_cast<std::size_t>(clip));
    if (effect) effect->stop();
}

}  // namespace pivo
