#include "media/MidiFiles.h"
#include "tests/model/TempFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace pivo {
namespace {

namespace fs = std::filesystem;

// Only files ending in .mid (any letter case) count as music; folders and other files do not.
TEST(MidiFiles, ListsOnlyMidiFilesOfTheFolder) {
    const scratch::TempFolder scratch;
    const fs::path folder = scratch.path() / "pivo music folder";
    fs::create_directories(folder / "sub.mid");
    for (const char* name : {"a.mid", "B.MID", "c.midi", "notes.txt", "mid", "x.mid.bak"})
        std::ofstream(folder / name) << "MThd";
    std::ofstream(folder / "sub.mid" / "inner.mid") << "MThd";

    const auto names = listMidiFiles(folder.string() + "/");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), (std::set<std::string>{"a.mid", "B.MID"}));

    std::vector<std::string> listing;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() == "a.mid" || entry.path().filename() == "B.MID")
            listing.push_back(entry.path().filename().string());
    EXPECT_EQ(names, listing) << "the file system's order, not sorted";
}

// A program folder that cannot be read gives no music instead of an error.
TEST(MidiFiles, MissingFolderGivesNothing) {
    EXPECT_TRUE(listMidiFiles("/nonexistent/pivo/").empty());
}

}  // namespace
}  // namespace pivo
