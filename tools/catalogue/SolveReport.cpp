#include "SolveReport.h"

#include "Difficulty.h"
#include "RecordLabel.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace pivo::tool {
namespace {

constexpr int Ratings = 5;

std::string solutionsText(const SolveResult& result) {
    const std::size_t n = result.solutions.size();
    switch (result.end) {
        case SolveEnd::Exhausted: return std::to_string(n) + (n == 1 ? " solution" : " solutions");
        case SolveEnd::SolutionLimit: return std::to_string(n) + "+ solutions";
        case SolveEnd::PlacementLimit:
            return std::to_string(n) + " solutions before the search gave up after " + std::to_string(result.placements) +
                   " placements";
    }
    return {};
}

std::string padded(const std::string& text, int width) {
    return text + std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))), ' ');
}

}  // namespace

std::string solveLine(const Catalogue& catalogue, int index, const std::optional<SolveResult>& solve) {
    std::string line = "record " + std::to_string(index);
    const std::string label = playerLabel(catalogue.entry(index));
    if (label.empty()) return line + ": not solved: the game cannot use this figure (see check)";
    line += " (" + label + "): ";
    if (!solve) return line + "not solved: its tans overlap (see check)";
    const Difficulty difficulty = rateDifficulty(*solve);
    if (difficulty.rating == 0) return line + "no solution found: " + solutionsText(*solve);
    char score[16];
    std::snprintf(score, sizeof score, "%.2f", difficulty.score);
    return line + solutionsText(*solve) + ", rating " + std::to_string(difficulty.rating) + " (score " + score + ")";
}

std::string ratingTable(const Catalogue& catalogue, const CatalogueSolves& solves) {
    const std::vector<int> ratings = ratingsOf(solves);
    std::array<std::array<int, Ratings + 1>, CategoryTotal> counts{};
    for (int i = 1; i <= catalogue.tangramCount(); ++i) {
        const int category = catalogue.entry(i).category;
        if (category == NoCategory) continue;
        ++counts[category][ratings[i - 1]];
    }
    constexpr int NameWidth = 27;
    std::string table = padded("rating", NameWidth);
    for (int r = 1; r <= Ratings; ++r) table += padded(std::to_string(r), 6);
    table += "unrated\n";
    for (int c = 0; c < CategoryTotal; ++c) {
        table += padded(std::string(categoryName(ToolLanguage, c)), NameWidth);
        for (int r = 1; r <= Ratings; ++r) table += padded(std::to_string(counts[c][r]), 6);
        table += std::to_string(counts[c][0]) + "\n";
    }
    return table;
}

std::vector<int> ratingsOf(const CatalogueSolves& solves) {
    std::vector<int> ratings;
    ratings.reserve(solves.size());
    for (const auto& solve : solves) ratings.push_back(solve ? rateDifficulty(*solve).rating : 0);
    return ratings;
}

}  // namespace pivo::tool
