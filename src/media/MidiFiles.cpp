#include "MidiFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace pivo {

namespace {

bool endsWithMid(const std::string& name) {
    static constexpr std::string_view ending = ".mid";
    if (name.size() < ending.size()) return false;
    return std::equal(ending.begin(), ending.end(), name.end() - ending.size(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::vector<std::string> listMidiFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        if (endsWithMid(name) && it->is_regular_file(error)) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace pivo
