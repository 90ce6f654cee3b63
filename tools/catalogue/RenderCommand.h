#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace pivo::tool {

/// Draws the contact sheet of a data file (only `category` when given) and writes it as a PNG, in
/// one step as build writes its data file. Needs a QGuiApplication. Returns the exit code.
int runRender(const std::string& file, const std::string& output, std::optional<int> category, std::ostream& out,
              std::ostream& err);

}  // namespace pivo::tool
