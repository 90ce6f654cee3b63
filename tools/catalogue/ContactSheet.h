#pragma once

#include "model/Catalogue.h"

#include <QImage>

#include <optional>
#include <vector>

namespace pivo::tool {

/// A sheet of silhouettes for reviewing figures by eye, each labelled as the player sees it
/// (category name, number within category). Records the game cannot use are left out: their
/// figures may not even be drawable, and check names them.
class ContactSheet {
public:
    /// The usable figures of the catalogue in catalogue order, only those of `category` when given.
    /// With `ratings` (element i - 1 for entry i, 0 for none) each label gets a second line with
    /// the figure's difficulty rating.
    ContactSheet(const Catalogue& catalogue, std::optional<int> category, std::vector<int> ratings = {});

    int figureCount() const { return static_cast<int>(figures_.size()); }
    /// Records of the selection that are not on the sheet because the game cannot use them.
    int leftOut() const { return leftOut_; }

    /// Draws the sheet; needs a QGuiApplication for the labels' font.
    QImage render() const;

private:
    /// Pixels per board unit and cells per row; a large selection is drawn smaller so that the
    /// picture stays small enough to open.
    struct Layout {
        int scale;
        int columns;
        /// The height of one line of the label.
        int lineHeight;
    };
    Layout layout() const;

    const Catalogue& catalogue_;
    std::vector<int> ratings_;
    std::vector<int> figures_;
    int leftOut_ = 0;
};

}  // namespace pivo::tool
