#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pivo::tool {

/// The largest catalogue source build reads; the shipped sources are a few kilobytes each.
inline constexpr std::size_t MaxSourceSize = std::size_t{16} << 20;

// Each command prints its result to `out` and its problems to `err`, and returns the exit code.

/// Compiles the sources in the given order into one data file; writes nothing when any has an error.
int runBuild(const std::vector<std::string>& sources, const std::string& output, std::ostream& out, std::ostream& err);

/// Prints the data file as catalogue source, each figure's rating in its comment; refuses a file larger
/// than the game would ever keep.
int runDump(const std::string& file, std::ostream& out, std::ostream& err);

/// Prints one line per problem of the data file and a summary; fails when any problem is an error.
int runCheck(const std::string& file, std::ostream& out, std::ostream& err);

/// Prints per figure (or for one record) its number of solutions, counted up to `limit`, and its
/// rating, then the ratings per category; for one record also the solutions found. Fails when a
/// figure whose tans can be laid down gets no solution.
int runSolve(const std::string& file, std::optional<int> record, std::optional<int> limit, std::ostream& out,
             std::ostream& err);
/// Whether `output` is the very file of one of `inputs`, however either is spelt (a link, another
/// path to it); a command that writes then refuses to start rather than destroy its own input.
bool isOneOfTheInputs(const std::string& output, const std::vector<std::string>& inputs);

}  // namespace pivo::tool
