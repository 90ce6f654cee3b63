#include "CatalogueSolving.h"
#include "model/Catalogue.h"
#include "CommandLine.h"
#include "Commands.h"
#include "ContactSheet.h"
#include "model/FileIo.h"
#include "SolveReport.h"

#include <QGuiApplication>

#include <iostream>
#include <limits>
#include <memory>

namespace {

using namespace pivo;
using namespace pivo::tool;

int runRender(const Arguments& a, int argc, char** argv) {
    // The sheet is drawn off screen; a machine without a display must still be able to make it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto bytes = readFile(a.inputs[0], std::numeric_limits<std::size_t>::max());
    if (!bytes) {
        std::cerr << "pivo-catalogue: cannot read " << a.inputs[0] << "\n";
        return ExitFailure;
    }
    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->loadRecords(*bytes);
    const ContactSheet sheet(*catalogue, a.category, ratingsOf(solveCatalogue(*catalogue, SolveLimits{}, a.category)));
    if (sheet.leftOut() > 0)
        std::cerr << "pivo-catalogue: " << sheet.leftOut() << " record(s) the game cannot use left out (see check)\n";
    if (sheet.figureCount() == 0) {
        std::cerr << "pivo-catalogue: no figures to draw\n";
        return ExitFailure;
    }
    if (!sheet.render().save(QString::fromStdString(a.output), "PNG")) {
        std::cerr << "pivo-catalogue: cannot write " << a.output << "\n";
        return ExitFailure;
    }
    std::cout << a.output << ": " << sheet.figureCount() << " figures\n";
    return ExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto parsed = parseArguments(args);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        std::cerr << "pivo-catalogue: " << *problem << "\n" << usageText();
        return ExitUsage;
    }
    const Arguments& a = std::get<Arguments>(parsed);
    switch (a.command) {
        case Command::Build: return runBuild(a.inputs, a.output, std::cout, std::cerr);
        case Command::Dump: return runDump(a.inputs[0], std::cout, std::cerr);
        case Command::Check: return runCheck(a.inputs[0], std::cout, std::cerr);
        case Command::Render: return runRender(a, argc, argv);
        case Command::Solve: return runSolve(a.inputs[0], a.record, a.limit, std::cout, std::cerr);
    }
    return ExitUsage;
}
