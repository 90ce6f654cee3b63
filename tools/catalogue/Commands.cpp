#include "Commands.h"

#include "CatalogueCheck.h"
#include "CommandLine.h"
#include "model/Catalogue.h"
#include "model/FileIo.h"
#include "Printable.h"
#include "SourceCompiler.h"
#include "SourceDump.h"

#include <algorithm>
#include <filesystem>
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
    out << dumpSource(head->bytes);
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

}  // namespace pivo::tool
