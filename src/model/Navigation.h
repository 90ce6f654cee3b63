#pragma once

#include "Catalogue.h"
#include "MouseButton.h"
#include "Progress.h"

#include <optional>

namespace pivo {

/// Moving through one category. Every function keeps to entries of the given category and stops after
/// one pass over the catalogue, so even a category without entries cannot make it search forever.

/// The next entry of the category after `current`, wrapping from the last to the first; `current` when
/// it is the only one.
int nextInCategory(const Catalogue& catalogue, int current, int category);
int previousInCategory(const Catalogue& catalogue, int current, int category);

/// The next unfinished entry of the category after `current`; none when every other one is finished
/// (the current entry itself only counts as found on the step that returns to it, which is not found).
std::optional<int> nextUnfinished(const Catalogue& catalogue, const Progress& progress, int current, int category);
std::optional<int> previousUnfinished(const Catalogue& catalogue, const Progress& progress, int current,
                                      int category);

/// Where the player is: a category, and the catalogue index of one of its tangrams.
struct Position {
    int category = 0;
    int tangram = 1;

    friend bool operator==(const Position&, const Position&) = default;
};

enum class CategoryStep { Next, Previous, Keep };
/// The category button: the left button steps forward, the right one back, any other keeps it.
CategoryStep categoryStepFor(MouseButton button);
int steppedCategory(int category, CategoryStep step);

/// Brings a stored category and tangram into the catalogue: the category into 0..7, the tangram into
/// 1..tangramCount, and when the entry is not of the category (the catalogue changed between runs)
/// the category follows the tangram, or, for a record the game cannot use, the tangram goes to the
/// category's first entry.
void reconcilePosition(const Catalogue& catalogue, int& category, int& tangram);

}  // namespace pivo
