#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace pivo::tool {

/// The catalogue source of a data file image, such that compiling it gives back the same bytes.
///
/// Every record becomes one figure line, commented with what the player sees (category name and
/// number within the category) or with why the game cannot use it; a `category` line opens each
/// run of records of one category. Bytes past the last whole record become one `trailing` line.
/// `ratings` (element i - 1 for catalogue entry i, 0 for none) adds each figure's difficulty rating
/// to its comment.
std::string dumpSource(std::span<const std::uint8_t> bytes, std::span<const int> ratings = {});

}  // namespace pivo::tool
