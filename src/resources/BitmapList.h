#pragma once

#include <QPixmap>
#include <QSize>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace pivo {

/// One picture of the lists. It knows its size in layout pixels from the start, and is made only when
/// first drawn, at the device pixel ratio of the screen it is drawn on, so that it is as sharp there as
/// the board; it is kept for that ratio from then on.
class Picture {
public:
    /// Makes the picture at a device pixel ratio: a pixmap of the layout size times the ratio, carrying
    /// that ratio.
    using Maker = std::function<QPixmap(qreal ratio)>;

    Picture(QSize size, Maker make);
    /// A picture that exists at one resolution only (a texture image): it is made once and drawn at
    /// every ratio as it is.
    static std::shared_ptr<const Picture> fixed(QSize size, std::function<QPixmap()> make);

    QSize size() const { return size_; }
    /// The picture at `ratio`, made now when it has not been yet; it stays where it is for the life of
    /// the picture.
    const QPixmap& at(qreal ratio) const;

private:
    QSize size_;
    Maker make_;
    bool fixed_ = false;
    // One entry for each ratio the picture has been drawn at, usually one.
    mutable std::deque<QPixmap> made_;
};

using PicturePtr = std::shared_ptr<const Picture>;

/// An ordered picture list, addressed by the positions of BitmapIndex.h. Lists share the pictures
/// they have in common.
class BitmapList {
public:
    explicit BitmapList(std::vector<PicturePtr> pictures = {});

    std::size_t size() const { return pictures_.size(); }
    /// Size in layout pixels of the picture at `index`; nothing is made for it.
    QSize pictureSize(int index) const { return picture(index).size(); }
    /// The picture at `index` for a device pixel ratio, made on first use.
    const QPixmap& at(int index, qreal ratio = 1.0) const { return picture(index).at(ratio); }
    const Picture& picture(int index) const { return *pictures_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<PicturePtr> pictures_;
};

}  // namespace pivo
