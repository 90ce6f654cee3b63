#include "PatternEditor.h"

#include <algorithm>
#include <cassert>

namespace pivo {
namespace {

EditOutcome written(bool ok) { return ok ? EditOutcome::Written : EditOutcome::NotWritten; }

// The entry of the category at `from` or after it, else the last one before it: after a delete,
// the one that took the deleted entry's place within its category.
int sameCategoryFrom(const Catalogue& catalogue, int from, int category) {
    const int count = catalogue.tangramCount();
    for (int i = from; i <= count; ++i)
        if (catalogue.entry(i).category == category) return i;
    for (int i = std::min(from - 1, count); i >= 1; --i)
        if (catalogue.entry(i).category == category) return i;
    return std::clamp(from, 1, count);
}

}  // namespace

EditOutcome addPattern(Catalogue& catalogue, const std::string& dataFile, int tangram, int category,
                       const Placement& figure) {
    if (!catalogue.insertPattern(tangram, category, figure)) return EditOutcome::CatalogueFull;
    return written(catalogue.write(dataFile, false));
}

EditOutcome deleteCurrentPattern(Catalogue& catalogue, const std::string& dataFile, int& tangram, int category) {
    assert(catalogue.isPlayable(tangram) && catalogue.entry(tangram).category == category);
    if (catalogue.categoryCount(category) < 2) return EditOutcome::OnlyOfCategory;
    catalogue.deletePattern(tangram);
    // The entry that moved into the deleted one's place may belong to another category, or there
    // may be none; the game must stay inside its category either way.
    tangram = sameCategoryFrom(catalogue, tangram, category);
    return written(catalogue.write(dataFile, false));
}

EditOutcome saveCentred(const Catalogue& catalogue, const std::string& dataFile) {
    return written(catalogue.write(dataFile, true));
}

}  // namespace pivo
