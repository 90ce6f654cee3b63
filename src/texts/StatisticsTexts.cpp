#include "StatisticsTexts.h"

#include "Texts.h"

namespace pivo::texts {
namespace {

std::string number(int n) { return std::to_string(n); }

// A piece of the help sentence in its form for none, one or k tangrams.
std::string piece(int count, std::string_view none, std::string_view one, std::string_view before,
                  std::string_view after) {
    if (count == 0) return std::string(none);
    if (count == 1) return std::string(one);
    return std::string(before) + number(count) + std::string(after);
}

struct HelpCounts {
    int none, little, more, much, dropped;
};

HelpCounts helpCounts(const CategoryStatistics& s) {
    const auto& t = s.tipsCount;
    return {t[0], t[1] + t[2], t[3] + t[4], t[5] + t[6], t[7]};
}

}  // namespace

std::string statisticsTitle(Language language) { return std::string(pick(language, "Statistik", "Statistics")); }

std::string statisticsCategory(Language language, int category) {
    return std::string(pick(language, "Kategorie: ", "Category: ")) + std::string(categoryName(language, category));
}

std::string finishedSentence(Language language, const CategoryStatistics& stats) {
    const int n = stats.finishedCount;
    const std::string total = number(stats.total);
    if (german(language)) {
        if (n == 0) return "Bisher wurde noch kein Tangram gelöst !!!";
        if (n == 1) return "Bisher wurde eines von insgesamt " + total + " Tangrams gelöst.";
        return "Bisher wurden " + number(n) + " von insgesamt " + total + " Tangrams gelöst.";
    }
    if (n == 0) return "Until now no Tangram was solved !!!";
    if (n == 1) return "Until now one out of total " + total + " Tangrams was solved.";
    return "Until now " + number(n) + " out of total " + total + " Tangrams were solved.";
}

std::string helpSentence(Language language, const CategoryStatistics& stats) {
    const HelpCounts c = helpCounts(stats);
    if (german(language)) {
        return "Du hast für " + piece(c.none, "kein Tangram keine, ", "ein Tangram keine, ", "", " Tangrams keine, ") +
               piece(c.little, "für kein Tangram wenig, ", "für ein Tangram wenig, ", "für ", " Tangrams wenig, ") +
               piece(c.more, "für kein Tangram etwas mehr ", "für ein Tangram etwas mehr ", "für ",
                     " Tangrams etwas mehr ") +
               piece(c.much, "und für kein Tangram viel", "und für ein Tangram viel", "und für ", " Tangrams viel") +
               " Hilfe benötigt. " +
               piece(c.dropped, "Du hast kein Tangram aufgegeben.", "Ein Tangram hast Du aufgegeben.", "Du hast ",
                     " Tangrams aufgegeben.");
    }
    return piece(c.none, "For no Tangram you didn't need any help. ", "For one Tangram you didn't need any help. ",
                 "For ", " Tangrams you didn't need any help. ") +
           piece(c.little, "For no Tangram you needed little, ", "For one Tangram you needed little, ", "For ",
                 " Tangrams you needed little, ") +
           piece(c.more, "for no Tangram some more ", "for one Tangram some more ", "for ", " Tangrams some more ") +
           piece(c.much, "and for no Tangram much help. ", "and for one Tangram much help. ", "and for ",
                 " Tangrams much help. ") +
           piece(c.dropped, "You dropped no Tangram.", "You dropped one Tangram.", "You dropped ", " Tangrams.");
}

std::string pointsSentence(Language language, const CategoryStatistics& stats) {
    const int p = stats.points;
    const int m = stats.maxPoints();
    const bool de = german(language);
    if (stats.finishedCount < stats.total) {
        if (p == 0) return de ? "Du hast bisher leider keine Punkte erreicht." : "Sorry, until now you've reached no points.";
        return de ? "Du hast bisher " + number(p) + " von " + number(m) + " möglichen Punkten erreicht."
                  : "Until now you've reached " + number(p) + " out of " + number(m) + " possible points.";
    }
    if (p == m) return de ? "Hurra, Du hast alle möglichen Punkte erreicht." : "Hurrah, you reached all possible points.";
    if (p == 0) return de ? "Du hast leider keinen einzigen Punkt erreicht." : "Sorry, you reached no points.";
    return de ? "Du hast " + number(p) + " von " + number(m) + " möglichen Punkten erreicht."
              : "You reached " + number(p) + " out of " + number(m) + " possible points.";
}

}  // namespace pivo::texts
