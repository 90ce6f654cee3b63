#include "CatalogueCheck.h"

#include "CatalogueSolving.h"
#include "LayingOrder.h"
#include "RecordLabel.h"
#include "Silhouette.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace pivo::tool {
namespace {

std::string placementText(const TanPlacement& at) {
    return "(" + std::to_string(at.x) + ", " + std::to_string(at.y) + ", " + std::to_string(at.orientation) + ")";
}

std::string recordText(int record, int category, int number) {
    std::string text = "record " + std::to_string(record) + " (category " + categoryLabel(category);
    if (category >= 0 && category < CategoryTotal) text += number > 0 ? ", number " + std::to_string(number) : ", unnumbered";
    return text + ")";
}

std::string problemText(Problem problem) {
    switch (problem) {
        case Problem::SizeNotWholeRecords: return "size is not a multiple of 22 bytes";
        case Problem::TooManyRecords: return "more than 3000 records";
        case Problem::CategoryOutOfRange: return "category above 7";
        case Problem::OrientationOutOfRange: return "orientation above 31";
        case Problem::OffBoard: return "tan off the board";
        case Problem::TansOverlap: return "tans overlap";
        case Problem::SameSilhouette: return "same silhouette as another figure";
        case Problem::NotCentred: return "not centred on (60, 40)";
        case Problem::TansApart: return "tans do not all touch";
        case Problem::Unsolved: return "the solver finds no way to lay it";
        case Problem::EmptyCategory: return "no figures";
        case Problem::TooFewFigures: return "fewer than 10 figures";
    }
    return {};
}

/// The move between two coordinates, which centring adds with wrap-around at 256.
int shift(std::uint8_t to, std::uint8_t from) { return static_cast<std::int8_t>(to - from); }

/// Runs the per-record checks, remembering each silhouette to find figures that look the same.
class RecordChecker {
public:
    RecordChecker(const Catalogue& catalogue, const CatalogueSolves& solves, std::vector<Finding>& findings)
        : catalogue_(catalogue), solves_(solves), findings_(findings) {}

    void check(int index) {
        const CatalogueEntry& e = catalogue_.entry(index);
        index_ = index;
        if (e.storedCategory >= CategoryTotal) add(Problem::CategoryOutOfRange, "category byte " + std::to_string(e.storedCategory));
        for (int tan = 1; tan <= TanCount; ++tan) {
            const TanPlacement& at = e.placement[tan - 1];
            if (at.orientation > MaxOrientation)
                add(Problem::OrientationOutOfRange, "tan " + std::to_string(tan) + " at " + placementText(at));
            else if (!fitsBoard(tan, at.x, at.y, at.orientation))
                add(Problem::OffBoard, "tan " + std::to_string(tan) + " at " + placementText(at));
        }
        // A record the game cannot use is never shown, so how it looks matters to no one: it takes part
        // in no comparison, lest an unused copy make a real figure look like a duplicate.
        if (catalogue_.isPlayable(index)) checkGeometry(e.placement);
    }

private:
    void checkGeometry(const Placement& placement) {
        // An overlapping figure needs fixing first; how it looks now says little about the result.
        if (!layableInSomeOrder(placement, grid_)) {
            add(Problem::TansOverlap, "no order of laying the tans down passes the fit test");
            return;
        }
        const Silhouette silhouette(grid_);
        const auto [seen, fresh] = silhouettes_.try_emplace(silhouette.key(), index_);
        if (!fresh) {
            const CatalogueEntry& first = catalogue_.entry(seen->second);
            add(Problem::SameSilhouette,
                "looks like " + recordText(seen->second, first.storedCategory, first.number));
        }
        const Placement centred = centredPlacement(placement);
        if (centred != placement)
            add(Problem::NotCentred, "centring moves it by (" + std::to_string(shift(centred[0].x, placement[0].x)) +
                                         ", " + std::to_string(shift(centred[0].y, placement[0].y)) + ")");
        if (!silhouette.isConnected()) add(Problem::TansApart, "its cells form more than one group");
        // The figure's own placement is a way to lay it, so only the search's limits can hide it.
        const auto& solve = solves_[index_ - 1];
        if (solve && solve->solutions.empty()) {
            const std::string placements = std::to_string(solve->placements) + " placements";
            add(Problem::Unsolved, solve->end == SolveEnd::PlacementLimit ? "gave up after " + placements
                                                                          : "none among " + placements);
        }
    }

    void add(Problem problem, std::string detail) {
        const CatalogueEntry& e = catalogue_.entry(index_);
        findings_.push_back(Finding{problem, index_, e.storedCategory, e.number, std::move(detail)});
    }

    const Catalogue& catalogue_;
    const CatalogueSolves& solves_;
    std::vector<Finding>& findings_;
    int index_ = 0;
    CoverageGrid grid_;
    std::unordered_map<std::string, int> silhouettes_;
};

}  // namespace

bool isError(Problem problem) {
    return problem != Problem::NotCentred && problem != Problem::TansApart && problem != Problem::Unsolved;
}

int CheckResult::errors() const {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const Finding& f) { return isError(f.problem); }));
}

int CheckResult::warnings() const { return static_cast<int>(findings.size()) - errors(); }

CheckResult checkCatalogue(std::span<const std::uint8_t> bytes, const SolveLimits& limits) {
    return checkCatalogue(bytes, bytes.size(), limits);
}

CheckResult checkCatalogue(std::span<const std::uint8_t> head, std::uint64_t fileSize, const SolveLimits& limits) {
    CheckResult result;
    result.records = static_cast<std::int64_t>(fileSize / RecordSize);
    if (fileSize % RecordSize != 0)
        result.findings.push_back({Problem::SizeNotWholeRecords, 0, NoCategory, 0,
                                   std::to_string(fileSize) + " bytes, " + std::to_string(fileSize % RecordSize) +
                                       " left over after " + std::to_string(result.records) + " records"});
    if (result.records > MaxTangrams)
        result.findings.push_back({Problem::TooManyRecords, 0, NoCategory, 0,
                                   std::to_string(result.records) + " records; the game reads only the first 3000"});

    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->loadRecords(head.first(std::min<std::size_t>(head.size(), std::size_t{MaxTangrams} * RecordSize)));
    const auto solves = solveCatalogue(*catalogue, limits);
    RecordChecker checker(*catalogue, solves, result.findings);
    for (int i = 1; i <= catalogue->tangramCount(); ++i) {
        checker.check(i);
        if (!catalogue->isPlayable(i)) ++result.unusable;
    }
    for (int c = 0; c < CategoryTotal; ++c) {
        const int count = catalogue->categoryCount(c);
        result.categoryCounts[c] = count;
        if (count == 0)
            result.findings.push_back({Problem::EmptyCategory, 0, c, 0, "the game cannot navigate it"});
        else if (count < MinFiguresPerCategory)
            result.findings.push_back({Problem::TooFewFigures, 0, c, 0,
                                       "only " + std::to_string(count) + "; the selection grid needs 10"});
    }
    return result;
}

std::string formatFinding(const Finding& finding) {
    std::string line = isError(finding.problem) ? "error: " : "warning: ";
    if (finding.record > 0)
        line += recordText(finding.record, finding.category, finding.number);
    else if (finding.problem == Problem::EmptyCategory || finding.problem == Problem::TooFewFigures)
        line += "category " + categoryLabel(finding.category);
    else
        line += "file";
    line += ": " + problemText(finding.problem);
    if (!finding.detail.empty()) line += " (" + finding.detail + ")";
    return line;
}

std::string formatSummary(const CheckResult& result) {
    std::string line = std::to_string(result.records) + " records;";
    for (int c = 0; c < CategoryTotal; ++c) {
        line += c == 0 ? " " : ", ";
        line += std::string(categoryName(ToolLanguage, c)) + " " + std::to_string(result.categoryCounts[c]);
    }
    if (result.unusable > 0) line += "; " + std::to_string(result.unusable) + " unusable";
    const int errors = result.errors();
    const int warnings = result.warnings();
    line += "; " + std::to_string(errors) + (errors == 1 ? " error, " : " errors, ");
    line += std::to_string(warnings) + (warnings == 1 ? " warning" : " warnings");
    return line;
}

}  // namespace pivo::tool
