#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pivo {

/// The first bytes of a file and how long the whole file is.
struct FileHead {
    std::vector<std::uint8_t> bytes;
    std::uint64_t size = 0;
};

/// Up to `limit` bytes of a regular file, or nothing when it cannot be opened or read. Anything but a
/// regular file (a named pipe, a device, a folder) counts as unreadable: it is opened without waiting
/// and never read, so it can neither hang the caller nor feed it without end.
std::optional<FileHead> readFileHead(const std::string& path, std::size_t limit);

/// The bytes of readFileHead alone.
std::optional<std::vector<std::uint8_t>> readFile(const std::string& path, std::size_t limit);

/// Writes a file so that readers see either the old content or the whole new one: the bytes go to a
/// temporary file beside it, which then replaces the original and takes over its permission bits.
/// The temporary file is always made new under a short hidden name of its own, never through a link,
/// so a planted link or a leftover of a killed write can neither redirect nor block the write, and
/// every name the file system accepts for the file itself can be written. False, leaving the
/// original as it was, when any step fails.
bool replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

/// Whether a new file can be made in the folder: one is made under a temporary name and removed again.
/// A folder that looks writable may still refuse files (a read-only medium, no permission, a full disk
/// that has no room left for a name), so only trying tells.
bool canCreateFilesIn(const std::string& folder);

}  // namespace pivo
