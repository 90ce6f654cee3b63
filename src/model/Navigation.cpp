#include "Navigation.h"

#include <algorithm>

namespace pivo {
namespace {

int stepUp(int current, int count) { return current < count ? current + 1 : 1; }
int stepDown(int current, int count) { return current < 2 ? count : current - 1; }

// Steps at most `maxSteps` places from `current`, wrapping around the catalogue, until `wanted` holds.
template <typename Step, typename Wanted>
std::optional<int> search(const Catalogue& catalogue, int current, int maxSteps, Step step, Wanted wanted) {
    const int count = catalogue.tangramCount();
    for (int steps = 1; steps <= maxSteps; ++steps) {
        current = step(current, count);
        if (wanted(current)) return current;
    }
    return std::nullopt;
}

}  // namespace

int nextInCategory(const Catalogue& catalogue, int current, int category) {
    const auto inCategory = [&](int i) { return catalogue.entry(i).category == category; };
    return search(catalogue, current, catalogue.tangramCount(), stepUp, inCategory).value_or(current);
}

int previousInCategory(const Catalogue& catalogue, int current, int category) {
    const auto inCategory = [&](int i) { return catalogue.entry(i).category == category; };
    return search(catalogue, current, catalogue.tangramCount(), stepDown, inCategory).value_or(current);
}

// A full pass returns to the starting entry on its last step; that step counts as not found, so the
// search stops one short of it.
std::optional<int> nextUnfinished(const Catalogue& catalogue, const Progress& progress, int current, int category) {
    const auto unfinished = [&](int i) {
        return catalogue.entry(i).category == category && !progress.status(i).finished();
    };
    return search(catalogue, current, catalogue.tangramCount() - 1, stepUp, unfinished);
}

std::optional<int> previousUnfinished(const Catalogue& catalogue, const Progress& progress, int current,
                                      int category) {
    const auto unfinished = [&](int i) {
        return catalogue.entry(i).category == category && !progress.status(i).finished();
    };
    return search(catalogue, current, catalogue.tangramCount() - 1, stepDown, unfinished);
}

CategoryStep categoryStepFor(MouseButton button) {
    switch (button) {
        case MouseButton::Left: return CategoryStep::Next;
        case MouseButton::Right: return CategoryStep::Previous;
        case MouseButton::Middle: return CategoryStep::Keep;
    }
    return CategoryStep::Keep;
}

int steppedCategory(int category, CategoryStep step) {
    switch (step) {
        case CategoryStep::Next: return (category + 1) % CategoryTotal;
        case CategoryStep::Previous: return category - 1 < 0 ? CategoryTotal - 1 : category - 1;
        case CategoryStep::Keep: return category;
    }
    return category;
}

void reconcilePosition(const Catalogue& catalogue, int& category, int& tangram) {
    category = std::clamp(category, 0, CategoryTotal - 1);
    tangram = std::max(1, std::min(tangram, catalogue.tangramCount()));
    if (catalogue.tangramCount() == 0 || catalogue.entry(tangram).category == category) return;
    if (catalogue.isPlayable(tangram))
        category = catalogue.entry(tangram).category;
    else if (const int first = catalogue.firstOfCategory(category))
        tangram = first;
}

}  // namespace pivo
