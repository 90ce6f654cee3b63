#pragma once

#include "model/Catalogue.h"
#include "Solver.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pivo::tool {

/// Everything the check can find wrong with a data file.
enum class Problem {
    // The file as a whole.
    SizeNotWholeRecords,
    TooManyRecords,
    // One record.
    CategoryOutOfRange,
    OrientationOutOfRange,
    OffBoard,
    TansOverlap,
    SameSilhouette,
    NotCentred,
    TansApart,
    Unsolved,
    // One category.
    EmptyCategory,
    TooFewFigures,
};

/// Errors make a file unfit to ship; warnings point at figures that merely look unusual.
bool isError(Problem problem);

/// A category needs this many figures to fill the selection grid.
inline constexpr int MinFiguresPerCategory = 10;

struct Finding {
    Problem problem{};
    /// Catalogue index 1..; 0 when the finding is about the file or a category.
    int record = 0;
    /// The record's category byte as stored, or the category the finding is about.
    int category = NoCategory;
    /// Number within the category as the player sees it; 0 when the game cannot use the record.
    int number = 0;
    /// What exactly is wrong, in words.
    std::string detail;
};

struct CheckResult {
    std::vector<Finding> findings;
    /// Records in the file, counting those past MaxTangrams.
    std::int64_t records = 0;
    /// Usable figures per category, as the game counts them.
    std::array<int, CategoryTotal> categoryCounts{};
    /// Records the game keeps in place but cannot show.
    int unusable = 0;
    int errors() const;
    int warnings() const;
};

/// What the check asks of the solver: one solution per figure.
inline constexpr SolveLimits CheckSolveLimits{1};

/// Validates every record of a data file image and the catalogue as a whole. Findings come in
/// the order: file, records in catalogue order, categories.
CheckResult checkCatalogue(std::span<const std::uint8_t> bytes, const SolveLimits& limits = CheckSolveLimits);
/// The same for a file of `fileSize` bytes of which `head` holds at least the records the game reads.
CheckResult checkCatalogue(std::span<const std::uint8_t> head, std::uint64_t fileSize,
                           const SolveLimits& limits = CheckSolveLimits);

/// One line per finding, e.g.
/// `error: record 17 (category 2 "Tools and household stuff", number 5): tans overlap`.
std::string formatFinding(const Finding& finding);

/// The closing line: records, figures per category, errors and warnings.
std::string formatSummary(const CheckResult& result);

}  // namespace pivo::tool
