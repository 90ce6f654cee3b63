// Reading and replacing whole files: limits, files that are not there, and writes that must never leave
// a half-written file or a stray temporary behind.

#include "model/FileIo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempFiles.h"

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;
using namespace pivo;
using namespace pivo::scratch;

namespace {

class FileIo : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path file = folder.path() / "pivo.dat";
};

TEST_F(FileIo, ReadGivesTheContentUpToTheLimit) {
    // A file is read whole, or only up to the limit; an empty file is content, not a failure.
    writeBytes(file, countingBytes(70000));
    EXPECT_EQ(readFile(file.string(), 100000), countingBytes(70000));
    EXPECT_EQ(readFile(file.string(), 66000), countingBytes(66000));
    EXPECT_EQ(readFile(file.string(), 0), Bytes{});

    writeBytes(file, {});
    const auto empty = readFile(file.string(), 3000);
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty());
}

TEST_F(FileIo, ReadOfWhatIsNoFileFails) {
    // A missing file, a folder, a named pipe without a writer and an endless device all give nothing at
    // once, so the caller can report the failure instead of waiting or reading for ever.
    EXPECT_FALSE(readFile((folder.path() / "missing").string(), 3000).has_value());
    EXPECT_FALSE(readFile(folder.path().string(), 3000).has_value());
    const fs::path pipe = folder.path() / "fifo.pvg";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(readFile(pipe.string(), 3000).has_value());
    EXPECT_FALSE(readFile("/dev/zero", 1 << 20).has_value());
}

TEST_F(FileIo, ReplaceWritesTheNewContentWholeAndLeavesNoTemporary) {
    // A shorter new content leaves no tail of the old one; only the file itself remains in its folder.
    writeBytes(file, countingBytes(5000));
    ASSERT_TRUE(replaceFileAtomically(file.string(), countingBytes(22)));
    EXPECT_EQ(readBytes(file), countingBytes(22));

    ASSERT_TRUE(replaceFileAtomically(file.string(), {}));
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0u);

    const fs::path fresh = folder.path() / "fresh.pvg";
    ASSERT_TRUE(replaceFileAtomically(fresh.string(), countingBytes(3000)));
    EXPECT_EQ(readBytes(fresh), countingBytes(3000));
    EXPECT_EQ(listing(folder.path()).size(), 2u);
}

TEST_F(FileIo, FailedWriteLeavesTheOldFileIntactAndNoTemporary) {
    // A write that runs out of room half-way reports failure; the old content stays, nothing else appears.
    writeBytes(file, countingBytes(500));
    {
        const FileSizeLimit driveFull(1000);
        EXPECT_FALSE(replaceFileAtomically(file.string(), countingBytes(66000)));
    }
    EXPECT_EQ(readBytes(file), countingBytes(500));
    EXPECT_EQ(listing(folder.path()), std::vector<fs::path>{"pivo.dat"});
}

TEST_F(FileIo, WriteIntoAMissingFolderFailsAndCreatesNothing) {
    // No folder is made on the way.
    EXPECT_FALSE(replaceFileAtomically((folder.path() / "games" / "a.pvg").string(), countingBytes(3000)));
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(FileIo, FolderStandingWhereTheFileShouldBeIsLeftAlone) {
    // The folder keeps its content and nothing is left beside it.
    fs::create_directory(file);
    writeBytes(file / "inside", {7, 7});
    EXPECT_FALSE(replaceFileAtomically(file.string(), countingBytes(22)));
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(readBytes(file / "inside"), (Bytes{7, 7}));
    EXPECT_EQ(listing(folder.path()), std::vector<fs::path>{"pivo.dat"});
}

}  // namespace
