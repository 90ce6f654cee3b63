#include "Commands.h"

#include "CatalogueCheck.h"
#include "CommandLine.h"
#include "model/Catalogue.h"
#include "model/FileIo.h"
#include "SolveReport.h"
#include "SourceCompiler.h"
#include "SourceDump.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace pivo::tool {
namespace {

std::optional<std::vector<std::uint8_t>> readWhole(const std::string& path, std::ostream& err) {
    auto bytes = readFile(path, std::numeric_limits<std::size_t>::max());
    if (!bytes) err << "pivo-catalogue: cannot read " << path << "\n";
    return bytes;
}

std::string figureLine(const Placement& placement) {
    std::string line;
    for (const TanPlacement& at : placement)
        line += (line.empty() ? "" : " ") + std::to_string(at.x) + "," + std::to_string(at.y) + "," + std::to_string(at.orientation);
    return line;
}

}  // namespace

int runBuild(const std::vector<std::string>& sources, const std::string& output, std::ostream& out, std::ostream& err) {
    SourceCompiler compiler;
    for (const std::string& source : sources) {
        const auto bytes = readWhole(source, err);
        if (!bytes) return ExitFailure;
        compiler.addSource(source, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    }
    for (const SourceError& error : compiler.errors()) err << formatSourceError(error) << "\n";
    if (!compiler.errors().empty()) {
        err << "pivo-catalogue: " << compiler.errors().size() << " error(s), " << output << " not written\n";
        return ExitFailure;
    }
    if (!replaceFileAtomically(output, compiler.bytes())) {
        err << "pivo-catalogue: cannot write " << output << "\n";
        return ExitFailure;
    }
    out << output << ": " << compiler.bytes().size() / RecordSize << " records\n";
    return ExitOk;
}

int runDump(const std::string& file, std::ostream& out, std::ostream& err) {
    const auto bytes = readWhole(file, err);
    if (!bytes) return ExitFailure;
    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->loadRecords(*bytes);
    out << dumpSource(*bytes, ratingsOf(solveCatalogue(*catalogue, SolveLimits{})));
    return ExitOk;
}

int runCheck(const std::string& file, std::ostream& out, std::ostream& err) {
    const auto bytes = readWhole(file, err);
    if (!bytes) return ExitFailure;
    const CheckResult result = checkCatalogue(*bytes);
    std::string text;
    for (const Finding& finding : result.findings) text += formatFinding(finding) + "\n";
    out << text << formatSummary(result) << "\n";
    return result.errors() > 0 ? ExitFailure : ExitOk;
}

int runSolve(const std::string& file, std::optional<int> record, std::optional<int> limit, std::ostream& out,
             std::ostream& err) {
    const auto bytes = readWhole(file, err);
    if (!bytes) return ExitFailure;
    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->loadRecords(*bytes);
    SolveLimits limits;
    if (limit) limits.maxSolutions = *limit;
    const auto unsolved = [](const std::optional<SolveResult>& solve) { return solve && solve->solutions.empty(); };
    if (record) {
        if (*record > catalogue->tangramCount()) {
            err << "pivo-catalogue: " << file << " holds " << catalogue->tangramCount() << " records, no record " << *record << "\n";
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
