#pragma once

#include <string>
#include <vector>

namespace pivo {

/// Names (without folder) of the `*.mid` files in `folder`, in the order the file system lists them.
/// The ending is matched in any letter case; folders and unreadable folders give nothing.
std::vector<std::string> listMidiFiles(const std::string& folder);

}  // namespace pivo
