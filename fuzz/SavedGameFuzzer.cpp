// Feeds arbitrary bytes through the saved-game loader by way of a real file, under a game name taken from
// the same input, then saves the progress again under that name. The first byte gives the name's length,
// the name follows, the rest is the file. Loading must take the bytes as they are, invalid names must fail
// with the right message, and nothing may ever be read or written outside the games folder.

#include "model/SavedGames.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace pivo;

namespace {

void require(bool rule) {
    if (!rule) std::abort();
}

// Answers OK and Yes to everything and remembers the failures told, as "load name" and "save name".
class AgreeingDialogs : public GameDialogs {
public:
    explicit AgreeingDialogs(std::string name) : name_(std::move(name)) {}
    bool askGameName(std::string& name) override {
        name = name_;
        return true;
    }
    bool askOverwrite(const std::string&) override { return true; }
    void tellSaveFailed(const std::string& name) override { told.push_back("save " + name); }
    void tellLoadFailed(const std::string& name) override { told.push_back("load " + name); }

    std::vector<std::string> told;

private:
    std::string name_;
};

// One program folder for the whole run, removed when the fuzzer exits; the path itself is never destroyed,
// so it outlives the static destructors that run before the exit handler.
const fs::path& programFolder() {
    static const fs::path* const folder = [] {
        char pattern[] = "/tmp/pivo-fuzz-XXXXXX";
        require(::mkdtemp(pattern) != nullptr);
        std::atexit([] { fs::remove_all(programFolder()); });
        return new fs::path(pattern);
    }();
    return *folder;
}

bool writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::vector<std::uint8_t> readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The program folder holds the games folder and nothing else; the games folder holds no temporary file.
void requireNothingOutsideGames(const SavedGames& games) {
    for (const auto& item : fs::directory_iterator(programFolder()))
        require(item.path().filename() == "games");
    for (const auto& item : fs::directory_iterator(games.folder()))
        require(item.path().extension() == ".pvg");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t nameLength = std::min<std::size_t>(data[0] % 24, size - 1);
    const std::string name(reinterpret_cast<const char*>(data + 1), nameLength);
    const std::vector<std::uint8_t> content(data + 1 + nameLength, data + size);
    const bool valid = isValidGameName(name) && !name.empty();

    const SavedGames games(programFolder().string() + "/");
    std::error_code madeFolder;
    fs::create_directories(games.folder(), madeFolder);
    require(!madeFolder);
    const bool written = valid && writeFile(games.pathOf(name), content);

    Progress progress;
    std::vector<std::uint8_t> before(StatusTableSize, 0x5a);
    progress.assign(before);
    progress.gameName = "before";
    progress.gameModified = true;
    AgreeingDialogs dialogs(name);

    const bool loaded = games.loadGame(name, progress, dialogs);
    require(loaded == written);
    if (loaded) {
        const std::size_t taken = std::min<std::size_t>(content.size(), StatusTableSize);
        require(std::equal(content.begin(), content.begin() + taken, progress.bytes().begin()));
        require(std::all_of(progress.bytes().begin() + taken, progress.bytes().end(), [](auto b) { return b == 0; }));
        require(!progress.gameModified && progress.gameName == "before" && dialogs.told.empty());
    } else {
        require(dialogs.told == std::vector{"load " + name});
        require(progress.gameName.empty() && std::ranges::equal(progress.bytes(), before));
    }

    // Saving the same progress under the same name.
    dialogs.told.clear();
    progress.gameModified = true;
    games.saveCurrentGame(progress, dialogs);
    if (name.empty()) {
        require(!progress.gameModified && dialogs.told.empty());
    } else if (valid && written) {
        require(!progress.gameModified && dialogs.told.empty());
        require(std::ranges::equal(readWhole(games.pathOf(name)), progress.bytes()));
    } else {
        require(progress.gameModified && dialogs.told == std::vector{"save " + name});
    }
    requireNothingOutsideGames(games);
    fs::remove_all(games.folder());
    return 0;
}
