#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pivo::tool {

/// How much of a token from a source file a message shows; a longer one is cut.
inline constexpr std::size_t ShownTokenBytes = 32;

/// `text` made safe to show on a terminal: control characters (C0, DEL and C1) and bytes that are not
/// UTF-8 appear as `\xHH`, so a hostile file cannot drive the terminal, and a text longer than
/// `maxBytes` is cut after a whole character and ends in "...".
std::string printable(std::string_view text, std::size_t maxBytes = std::string_view::npos);

}  // namespace pivo::tool
