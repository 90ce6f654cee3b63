#include "Captions.h"

#include "Texts.h"
#include "model/OptionSteps.h"

namespace pivo {
namespace {

bool validTangram(const Catalogue& catalogue, Position position) {
    return position.tangram >= 1 && position.tangram <= catalogue.tangramCount();
}

}  // namespace

std::string windowCaption(const Preferences& preferences, const Catalogue& catalogue, const Progress& progress,
                          Position position) {
    const Language lang = preferences.language;
    std::string caption = "Pivolet V3.1";
    if (patternModeInForce(preferences.patternMode) == 0 && validTangram(catalogue, position)) {
        caption += texts::pick(lang, " - Kategorie: ", " - Category: ");
        caption += categoryName(lang, position.category);
        caption += " - Tangram: ";
        caption += std::to_string(catalogue.entry(position.tangram).number);
        const TangramStatus status = progress.status(position.tangram);
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

std::string patternWindowTitle(const Preferences& preferences, const Catalogue& catalogue, const Progress& progress,
                               Position position) {
    if (!validTangram(catalogue, position)) return {};
    // The category name follows the stored number clamped to the two languages, so a number above 1
    // names it in German; the suffix, like every other text, is German only for German.
    const Language names = static_cast<int>(preferences.language) >= 1 ? Language::German : Language::English;
    std::string title(categoryName(names, position.category));
    title += "-";
    title += std::to_string(catalogue.entry(position.tangram).number);
    const TangramStatus status = progress.status(position.tangram);
    if (status.finished())
        title += status.dropped() ? texts::pick(preferences.language, "(aufgegeben)", "(dropped)")
                                  : texts::pick(preferences.language, "(gelöst)", "(solved)");
    return title;
}

}  // namespace pivo
