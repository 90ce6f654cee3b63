#include "CommandLine.h"

#include "model/Catalogue.h"
#include "Printable.h"

#include <charconv>

namespace pivo::tool {
namespace {

std::optional<Command> commandNamed(std::string_view name) {
    if (name == "build") return Command::Build;
    if (name == "dump") return Command::Dump;
    if (name == "check") return Command::Check;
    if (name == "render") return Command::Render;
    if (name == "solve") return Command::Solve;
    return std::nullopt;
}

/// A plain decimal number within [low, high].
std::optional<int> parseNumber(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

/// Which inputs and options a command takes; the rest of parsing is shared.
std::optional<std::string> misuse(const Arguments& a, bool outputGiven) {
    const bool writes = a.command == Command::Build || a.command == Command::Render;
    if (a.inputs.empty()) return "no input file given";
    if (a.command != Command::Build && a.inputs.size() > 1) return "only one input file allowed";
    if (writes && !outputGiven) return "missing -o FILE";
    if (!writes && outputGiven) return "-o is only for build and render";
    if (a.category && a.command != Command::Render) return "--category is only for render";
    if ((a.record || a.limit) && a.command != Command::Solve) return "--record and --limit are only for solve";
    return std::nullopt;
}

}  // namespace

std::string_view usageText() {
    return "usage: pivo-catalogue build SRC... -o FILE\n"
           "       pivo-catalogue dump FILE\n"
           "       pivo-catalogue check FILE\n"
           "       pivo-catalogue render FILE -o PNG [--category N]\n"
           "       pivo-catalogue solve FILE [--record N] [--limit K]\n";
}

std::variant<Arguments, std::string> parseArguments(std::span<const std::string_view> args) {
    if (args.empty()) return std::string("no command given");
    const auto command = commandNamed(args[0]);
    if (!command) return "unknown command '" + printable(args[0], ShownTokenBytes) + "'";
    Arguments a;
    a.command = *command;
    bool outputGiven = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-o" || arg == "--category" || arg == "--record" || arg == "--limit") {
            if (i + 1 == args.size()) return std::string(arg) + " needs a value";
            const std::string_view value = args[++i];
            if (arg == "-o") {
                if (outputGiven) return std::string("-o given twice");
                a.output = value;
                outputGiven = true;
            } else if (arg == "--category") {
                a.category = parseNumber(value, 0, CategoryTotal - 1);
                if (!a.category) return "--category needs a number 0..7, not '" + printable(value, ShownTokenBytes) + "'";
            } else if (arg == "--record") {
                a.record = parseNumber(value, 1, MaxTangrams);
                if (!a.record) return "--record needs a number 1..3000, not '" + printable(value, ShownTokenBytes) + "'";
            } else {
                a.limit = parseNumber(value, 1, MaxSolutionLimit);
                if (!a.limit) return "--limit needs a number 1.." + std::to_string(MaxSolutionLimit) + ", not '" + printable(value, ShownTokenBytes) + "'";
            }
        } else if (arg.size() > 1 && arg.front() == '-') {
            return "unknown option '" + printable(arg, ShownTokenBytes) + "'";
        } else {
            a.inputs.emplace_back(arg);
        }
    }
    if (auto problem = misuse(a, outputGiven)) return *problem;
    return a;
}

}  // namespace pivo::tool
