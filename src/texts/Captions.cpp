#include "Captions.h"

#include "Texts.h"

namespace pivo {
namespace {

bool validTangram(const GameState& state, const Catalogue& catalogue) {
    return state.currentTangram >= 1 && state.currentTangram <= catalogue.tangramCount();
}

}  // namespace

std::string windowCaption(const GameState& state, const Catalogue& catalogue, const Progress& progress) {
    const Language lang = state.language;
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
    // The category name follows the stored number clamped to the two languages, so a number above 1
    // names it in German; the suffix, like every other text, is German only for German.
    const Language names = static_cast<int>(state.language) >= 1 ? Language::German : Language::English;
    std::string title(categoryName(names, state.currentCategory));
    title += "-";
    title += std::to_string(catalogue.entry(state.currentTangram).number);
    const TangramStatus status = progress.status(state.currentTangram);
    if (status.finished())
        title += status.dropped() ? texts::pick(state.language, "(aufgegeben)", "(dropped)")
                                  : texts::pick(state.language, "(gelöst)", "(solved)");
    return title;
}

}  // namespace pivo
