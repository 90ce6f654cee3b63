#include "CommandLine.h"
#include "Commands.h"
#include "RenderCommand.h"

#include <QGuiApplication>

#include <exception>
#include <iostream>
#include <new>

namespace {

using namespace pivo::tool;

int run(const Arguments& a, int argc, char** argv) {
    switch (a.command) {
        case Command::Build: return runBuild(a.inputs, a.output, std::cout, std::cerr);
        case Command::Dump: return runDump(a.inputs[0], std::cout, std::cerr);
        case Command::Check: return runCheck(a.inputs[0], std::cout, std::cerr);
        case Command::Solve: return runSolve(a.inputs[0], a.record, a.limit, std::cout, std::cerr);
        case Command::Render: {
            // The sheet is drawn off screen; a machine without a display must still be able to make it.
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
            const QGuiApplication app(argc, argv);
            return runRender(a.inputs[0], a.output, a.category, std::cout, std::cerr);
        }
    }
    return ExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto parsed = parseArguments(args);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        std::cerr << "pivo-catalogue: " << *problem << "\n" << usageText();
        return ExitUsage;
    }
    // Every command reads only as much as it can use; should memory still run out, say so and fail
    // like any other command that could not finish.
    try {
        return run(std::get<Arguments>(parsed), argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "pivo-catalogue: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "pivo-catalogue: " << error.what() << "\n";
    }
    return ExitFailure;
}
