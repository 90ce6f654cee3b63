#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pivo {

/// The content of a file up to `limit` bytes, or nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readFile(const std::string& path, std::size_t limit);

/// Writes a file so that readers see either the old content or the whole new one: the bytes go to a
/// temporary file beside it, which then replaces the original. False, leaving the original as it
/// was, when any step fails.
bool replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace pivo
