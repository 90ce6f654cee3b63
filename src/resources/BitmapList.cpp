#include "BitmapList.h"

#include <algorithm>
#include <utility>

namespace pivo {

Picture::Picture(QSize size, Maker make) : size_(size), make_(std::move(make)) {}

PicturePtr Picture::fixed(QSize size, std::function<QPixmap()> make) {
    auto picture = std::make_shared<Picture>(size, [make = std::move(make)](qreal) { return make(); });
    picture->fixed_ = true;
    return picture;
}

const QPixmap& Picture::at(qreal ratio) const {
    if (fixed_ && !made_.empty()) return made_.front();
    const auto found = std::find_if(made_.begin(), made_.end(), [ratio](const QPixmap& made) {
        return qFuzzyCompare(made.devicePixelRatio(), ratio);
    });
    if (found != made_.end()) return *found;
    made_.push_back(make_(ratio));
    return made_.back();
}

BitmapList::BitmapList(std::vector<PicturePtr> pictures) : pictures_(std::move(pictures)) {}

}  // namespace pivo
