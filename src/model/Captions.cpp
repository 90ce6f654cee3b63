#include "Captions.h"

#include "Texts.h"

#include <algorithm>

namespace pivo {
namespace {

bool validTangram(const GameState& state, const Catalogue& catalogue) {
    return state.currentTangram >= 1 && state.currentTangram <= catalogue.tangramCount();
}

}  // namespace

std::string windowCaption(const GameState& state, const Catalogue& catalogue, const Progress& progress) {
    const int lang = state.languageFlag;
    std::string caption = "Pivolet V3.1";
    if (state.patternMode == 0 && validTangram(state, catalogue)) {
        caption += texts::pick(lang, " - Kategorie: ", " - Category: ");
        caption += categoryName(lang, state.currentCategory);
        caption += " - Tangram: ";
        caption += std::to_string(catalogue.entry(state.currentTangram).number);
        const TangramStatus status = progress.status(state.currentTangram);
        if (status.finished())
            caption += status.dropped() ? texts::pick(lang, " (aufgegeben)", " (dropped)")
                                        : texts::pick(lang, " (gelöst)", " (solved)");
    }
    if (!progress.gameName.empty()) {
        caption += texts::pick(lang, " - Spiel: ", " - Game: ");
        caption += progress.gameName;
    }
    return caption;
}

std::string patternWindowTitle(const GameState& state, const Catalogue& catalogue, const Progress& progress) {
    if (!validTangram(state, catalogue)) return {};
    // The category name follows the flag clamped to the two rows; the suffix, like every other text,
    // is German only for flag 1.
    std::string title(categoryName(std::clamp(state.languageFlag, 0, 1), state.currentCategory));
    title += "-";
    title += std::to_string(catalogue.entry(state.currentTangram).number);
    const TangramStatus status = progress.status(state.currentTangram);
    if (status.finished())
        title += status.dropped() ? texts::pick(state.languageFlag, "(aufgegeben)", "(dropped)")
                                  : texts::pick(state.languageFlag, "(gelöst)", "(solved)");
    return title;
}

}  // namespace pivo
