#include "Statistics.h"

#include "Board.h"
#include "Texts.h"

namespace pivo {

CategoryStatistics countCategory(const Catalogue& catalogue, const Progress& progress, int category) {
    CategoryStatistics stats;
    for (int i = 1; i <= catalogue.tangramCount(); ++i) {
        const TangramStatus status = progress.status(i);
        if (catalogue.entry(i).category != category || !status.finished()) continue;
        ++stats.finishedCount;
        ++stats.tipsCount[status.tipLevel()];
        stats.points += status.points();
    }
    if (category >= 0 && category < CategoryTotal) stats.total = catalogue.categoryCount(category);
    return stats;
}

int gaugePercent(int progress, int maximum) {
    if (maximum <= 0) return 0;
    return static_cast<int>(static_cast<long long>(progress) * 100 / maximum);
}

std::array<BarSlice, MaxTipLevel + 1> barSlices(const CategoryStatistics& stats, int width) {
    std::array<BarSlice, MaxTipLevel + 1> slices{};
    if (stats.finishedCount == 0) return slices;
    const double scale = static_cast<double>(width) / stats.finishedCount;
    int end = 0;
    for (int k = 0; k <= MaxTipLevel; ++k) {
        slices[k].start = end;
        end = k == MaxTipLevel ? width : end + roundHalfEven(stats.tipsCount[k] * scale);
        slices[k].end = end;
    }
    return slices;
}

namespace texts {
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

std::string statisticsTitle(int languageFlag) { return std::string(pick(languageFlag, "Statistik", "Statistics")); }

std::string statisticsCategory(int languageFlag, int category) {
    return std::string(pick(languageFlag, "Kategorie: ", "Category: ")) + std::string(categoryName(languageFlag, category));
}

std::string finishedSentence(int languageFlag, const CategoryStatistics& stats) {
    const int n = stats.finishedCount;
    const std::string total = number(stats.total);
    if (german(languageFlag)) {
        if (n == 0) return "Bisher wurde noch kein Tangram gelöst !!!";
        if (n == 1) return "Bisher wurde eines von insgesamt " + total + " Tangrams gelöst.";
        return "Bisher wurden " + number(n) + " von insgesamt " + total + " Tangrams gelöst.";
    }
    if (n == 0) return "Until now no Tangram was solved !!!";
    if (n == 1) return "Until now one out of total " + total + " Tangrams was solved.";
    return "Until now " + number(n) + " out of total " + total + " Tangrams were solved.";
}

std::string helpSentence(int languageFlag, const CategoryStatistics& stats) {
    const HelpCounts c = helpCounts(stats);
    if (german(languageFlag)) {
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

std::string pointsSentence(int languageFlag, const CategoryStatistics& stats) {
    const int p = stats.points;
    const int m = stats.maxPoints();
    const bool de = german(languageFlag);
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

}  // namespace texts

}  // namespace pivo
