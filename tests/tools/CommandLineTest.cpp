#include "catalogue/CommandLine.h"

#include <gtest/gtest.h>

namespace pivo::tool {
namespace {

std::variant<Arguments, std::string> parse(std::vector<std::string_view> args) { return parseArguments(args); }

std::string problemOf(std::vector<std::string_view> args) {
    const auto parsed = parse(std::move(args));
    const auto* problem = std::get_if<std::string>(&parsed);
    return problem ? *problem : "(accepted)";
}

// Each command takes exactly what it needs, with options anywhere after it.
TEST(CommandLine, AcceptsEachCommandsOwnArguments) {
    const auto build = std::get<Arguments>(parse({"build", "a.pvc", "-o", "pivo.dat", "b.pvc"}));
    EXPECT_EQ(build.command, Command::Build);
    EXPECT_EQ(build.inputs, (std::vector<std::string>{"a.pvc", "b.pvc"}));
    EXPECT_EQ(build.output, "pivo.dat");

    const auto check = std::get<Arguments>(parse({"check", "pivo.dat"}));
    EXPECT_EQ(check.command, Command::Check);
    EXPECT_EQ(check.inputs, std::vector<std::string>{"pivo.dat"});
    EXPECT_EQ(std::get<Arguments>(parse({"dump", "pivo.dat"})).command, Command::Dump);

    const auto render = std::get<Arguments>(parse({"render", "--category", "7", "pivo.dat", "-o", "s.png"}));
    EXPECT_EQ(render.command, Command::Render);
    EXPECT_EQ(render.category, 7);
    EXPECT_EQ(render.output, "s.png");
    EXPECT_FALSE(std::get<Arguments>(parse({"render", "pivo.dat", "-o", "s.png"})).category);

    const auto solve = std::get<Arguments>(parse({"solve", "pivo.dat", "--limit", "10000", "--record", "3000"}));
    EXPECT_EQ(solve.command, Command::Solve);
    EXPECT_EQ(solve.record, 3000);
    EXPECT_EQ(solve.limit, 10000);
}

// Misuse is refused with a reason, which main turns into exit code 2.
TEST(CommandLine, RefusesMisuse) {
    EXPECT_EQ(problemOf({}), "no command given");
    EXPECT_EQ(problemOf({"compile", "a"}), "unknown command 'compile'");
    EXPECT_EQ(problemOf({"build", "a.pvc"}), "missing -o FILE");
    EXPECT_EQ(problemOf({"build", "-o", "x"}), "no input file given");
    EXPECT_EQ(problemOf({"build", "a", "-o"}), "-o needs a value");
    EXPECT_EQ(problemOf({"build", "a", "-o", "x", "-o", "y"}), "-o given twice");
    EXPECT_EQ(problemOf({"check", "a", "b"}), "only one input file allowed");
    EXPECT_EQ(problemOf({"check", "a", "-o", "x"}), "-o is only for build and render");
    EXPECT_EQ(problemOf({"dump", "a", "--category", "1"}), "--category is only for render");
    EXPECT_EQ(problemOf({"render", "a", "-o", "x", "--category", "8"}), "--category needs a number 0..7, not '8'");
    EXPECT_EQ(problemOf({"render", "a", "-o", "x", "--category", "1x"}), "--category needs a number 0..7, not '1x'");
    EXPECT_EQ(problemOf({"check", "-v", "a"}), "unknown option '-v'");
    EXPECT_EQ(problemOf({"check", "a", "--limit", "5"}), "--record and --limit are only for solve");
    EXPECT_EQ(problemOf({"solve", "a", "--record", "0"}), "--record needs a number 1..3000, not '0'");
    EXPECT_EQ(problemOf({"solve", "a", "--limit", "10001"}), "--limit needs a number 1..10000, not '10001'");
}

}  // namespace
}  // namespace pivo::tool
