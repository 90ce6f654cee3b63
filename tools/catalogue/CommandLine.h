#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pivo::tool {

/// Exit codes of the tool.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

/// The most solutions `solve --limit` counts per figure; every one found is kept until it is printed.
inline constexpr int MaxSolutionLimit = 10000;

enum class Command { Build, Dump, Check, Render, Solve };

struct Arguments {
    Command command{};
    std::vector<std::string> inputs;
    /// The file to write (`-o`); build and render only.
    std::string output;
    /// Only this category on the sheet (`--category`); render only.
    std::optional<int> category;
    /// Only this record, by catalogue index (`--record`); solve only.
    std::optional<int> record;
    /// Stop counting a figure's solutions here (`--limit`); solve only.
    std::optional<int> limit;
};

/// How to call the tool, printed on usage errors.
std::string_view usageText();

/// The arguments after the program name, or why they make no sense.
std::variant<Arguments, std::string> parseArguments(std::span<const std::string_view> args);

}  // namespace pivo::tool
