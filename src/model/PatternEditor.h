#pragma once

#include "Catalogue.h"
#include "Tans.h"

#include <string>

namespace pivo {

/// How a pattern-editor command ended.
enum class EditOutcome {
    /// The data file now holds the catalogue as it is in memory.
    Written,
    /// The data file could not be replaced and is as it was; an add or delete still stands in memory.
    NotWritten,
    /// Refused, nothing changed: the catalogue holds MaxTangrams entries already.
    CatalogueFull,
    /// Refused, nothing changed: the entry is the only one of its category, and the game cannot
    /// navigate a category without entries.
    OnlyOfCategory,
};

// The catalogue author's commands. Add and delete change the catalogue at the current tangram and
// rewrite `dataFile` at once, not centred. Numbers within category are not recomputed and progress
// bytes stay at their positions until the next start, so the editor never disturbs a running game
// more than the edit itself does.

/// Stores `figure` as a new entry of `category` in place of entry `tangram`, which moves one place
/// up together with every later entry. The current tangram keeps its index and so designates the
/// new entry, while the board may still show the figure that moved up.
EditOutcome addPattern(Catalogue& catalogue, const std::string& dataFile, int tangram, int category,
                       const Placement& figure);

/// Removes entry `tangram`, an entry of `category`; later entries move one place down. `tangram`
/// then designates the entry of `category` that followed the deleted one, or, when none of the
/// category followed, the last one before it.
EditOutcome deleteCurrentPattern(Catalogue& catalogue, const std::string& dataFile, int& tangram, int category);

/// Rewrites `dataFile` with every figure moved to the middle of the board. The catalogue in memory
/// keeps its coordinates; the centred figures are seen from the next start on.
EditOutcome saveCentred(const Catalogue& catalogue, const std::string& dataFile);

}  // namespace pivo
