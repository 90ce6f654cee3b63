// Reading and replacing whole files: limits, files that are not there, and writes that must never leave
// a half-written file or a stray temporary behind.

#include "FileIo.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;
using namespace pivo;

namespace {

using Bytes = std::vector<std::uint8_t>;

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "pivo-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void writeBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> listing(const fs::path& folder) {
    std::vector<fs::path> names;
    for (const auto& item : fs::directory_iterator(folder)) names.push_back(item.path().filename());
    return names;
}

Bytes countingBytes(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t k = 0; k < size; ++k) bytes[k] = static_cast<std::uint8_t>(k * 13);
    return bytes;
}

// Files may grow to `limit` bytes only while it lives: writes beyond fail as on a full drive, also as root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit lowered{limit, previous_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

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
    // A missing file and a folder both give nothing, so the caller can report the failure.
    EXPECT_FALSE(readFile((folder.path() / "missing").string(), 3000).has_value());
    EXPECT_FALSE(readFile(folder.path().string(), 3000).has_value());
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
