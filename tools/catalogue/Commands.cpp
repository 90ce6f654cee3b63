#include "Commands.h"

#include "CatalogueCheck.h"
#include "CommandLine.h"
#include "model/Catalogue.h"
#include "model/FileIo.h"
#include "Printable.h"
#include "SolveReport.h"
#include "SourceCompiler.h"
#include "SourceDump.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace pivo::tool {
namespace {

/// The first `limit` bytes of a file and its size, or nothing after saying why.
std::optional<FileHead> readHead(const std::string& path, std::size_t limit, std::ostream& err) {
    auto head = readFileHead(path, limit);
    if (!head) err << "pivo-catalogue: cannot read " << printable(path) << " (missing, unreadable or not a regular file)\n";
    return head;
}

std::string figureLine(const Placement& placement) {
    std::string line;
    for (const TanPlacement& at : placement)
        line += (line.empty() ? "" : " ") + std::to_string(at.x) + "," + std::to_string(at.y) + "," + std::to_string(at.orientation);
    return line;
}

}  // namespace

bool isOneOfTheInputs(const std::string& output, const std::vector<std::string>& inputs) {
    return std::any_of(inputs.begin(), inputs.end(), [&](const std::string& input) {
        std::error_code error;
        return std::filesystem::equivalent(output, input, error) && !error;
    });
}

int runBuild(const std::vector<std::string>& sources, const std::string& output, std::ostream& out, std::ostream& err) {
    if (isOneOfTheInputs(output, sources)) {
        err << "pivo-catalogue: the output " << printable(output) << " is one of the sources\n";
        return ExitUsage;
    }
    SourceCompiler compiler;
    for (const std::string& source : sources) {
        const auto head = readHead(source, MaxSourceSize, err);
        if (!head) return ExitFailure;
        if (head->size > MaxSourceSize) {
            err << "pivo-catalogue: " << printable(source) << " is larger than 16 MiB, too large for a catalogue source\n";
            return ExitFailure;
        }
        compiler.addSource(source, std::string_view(reinterpret_cast<const char*>(head->bytes.data()), head->bytes.size()));
    }
    for (const SourceError& error : compiler.errors()) err << formatSourceError(error) << "\n";
    if (!compiler.errors().empty()) {
        err << "pivo-catalogue: " << compiler.errors().size() << " error(s), " << printable(output) << " not written\n";
        return ExitFailure;
    }
    if (!replaceFileAtomically(output, compiler.bytes())) {
        err << "pivo-catalogue: cannot write " << printable(output) << "\n";
        return ExitFailure;
    }
    out << printable(output) << ": " << compiler.bytes().size() / RecordSize << " records\n";
    return ExitOk;
}

int runDump(const std::string& file, std::ostream& out, std::ostream& err) {
    const auto head = readHead(file, MaxDataFileSize, err);
    if (!head) return ExitFailure;
    // A dump that stopped short would build into a different file without a word.
    if (head->size > MaxDataFileSize) {
        err << "pivo-catalogue: " << printable(file) << " holds " << head->size << " bytes; dump reproduces files of up to "
            << MaxDataFileSize << " bytes (" << MaxDataFileSize / RecordSize << " records)\n";
        return ExitFailure;
    }
    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->loadRecords(head->bytes);
    out << dumpSource(head->bytes, ratingsOf(solveCatalogue(*catalogue, SolveLimits{})));
    return ExitOk;
}

int runCheck(const std::string& file, std::ostream& out, std::ostream& err) {
    // Nothing past the records the game reads is examined; of the rest only the size counts.
    const auto head = readHead(file, std::size_t{MaxTangrams} * RecordSize, err);
    if (!head) return ExitFailure;
    const CheckResult result = checkCatalogue(head->bytes, head->size);
    std::string text;
    for (const Finding& finding : result.findings) text += formatFinding(finding) + "\n";
    out << text << formatSummary(result) << "\n";
    return result.errors() > 0 ? ExitFailure : ExitOk;
}

int runSolve(const std::string& file, std::optional<int> record, std::optional<int> limit, std::ostream& out,
             std::ostream& err) {
    const auto head = readHead(file, std::size_t{MaxTangrams} * RecordSize, err);
    if (!head) return ExitFailure;
    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->loadRecords(head->bytes);
    SolveLimits limits;
    if (limit) limits.maxSolutions = *limit;
    const auto unsolved = [](const std::optional<SolveResult>& solve) { return solve && solve->solutions.empty(); };
    if (record) {
        if (*record > catalogue->tangramCount()) {
            err << "pivo-catalogue: " << printable(file) << " holds " << catalogue->tangramCount() << " records, no record " << *record << "\n";
            return ExitFailure;
        }
        const auto solve = solveFigure(*catalogue, *record, limits);
        std::string text = solveLine(*catalogue, *record, solve) + "\n";
        if (solve)
            for (std::size_t k = 0; k < solve->solutions.size(); ++k)
                text += figureLine(solve->solutions[k]) + "  # solution " + std::to_string(k + 1) + "\n";
        out << text;
        return unsolved(solve) ? ExitFailure : ExitOk;
    }
    const auto solves = solveCatalogue(*catalogue, limits);
    std::string text;
    for (int i = 1; i <= catalogue->tangramCount(); ++i) text += solveLine(*catalogue, i, solves[i - 1]) + "\n";
    out << text << ratingTable(*catalogue, solves);
    return std::any_of(solves.begin(), solves.end(), unsolved) ? ExitFailure : ExitOk;
}

}  // namespace pivo::tool
