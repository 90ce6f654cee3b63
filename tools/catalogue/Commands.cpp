#include "Commands.h"

#include "CatalogueCheck.h"
#include "CommandLine.h"
#include "model/Catalogue.h"
#include "model/FileIo.h"
#include "SourceCompiler.h"
#include "SourceDump.h"

#include <limits>

namespace pivo::tool {
namespace {

std::optional<std::vector<std::uint8_t>> readWhole(const std::string& path, std::ostream& err) {
    auto bytes = readFile(path, std::numeric_limits<std::size_t>::max());
    if (!bytes) err << "pivo-catalogue: cannot read " << path << "\n";
    return bytes;
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
    out << dumpSource(*bytes);
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

}  // namespace pivo::tool
