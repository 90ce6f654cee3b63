#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>

namespace pivo {
namespace {

/// Closes its descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    /// Closes now, for callers that must know whether the close succeeded.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Hidden, so no listing of the folder shows it, and without the ending of any file the game reads.
// Short, so that the temporary name fits wherever the file's own name does.
std::string temporaryName() {
    static constexpr char Digits[] = "0123456789abcdef";
    std::random_device random;
    std::uint64_t value = (std::uint64_t{random()} << 32) ^ random();
    std::string name = ".pivolet-";
    for (int k = 0; k < 12; ++k, value >>= 4) name += Digits[value & 15];
    return name;
}

/// A new, empty file in the folder, created exclusively: an existing file or link of that name makes
/// it try another name instead of opening it. Its name is returned in `name`.
int createTemporary(int folder, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName();
        const int fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

std::optional<FileHead> readFileHead(const std::string& path, std::size_t limit) {
    // Without O_NONBLOCK the open of a named pipe waits for a writer that may never come.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    FileHead head;
    head.size = static_cast<std::uint64_t>(status.st_size);
    head.bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(head.size, limit)));
    std::uint8_t buffer[65536];
    while (head.bytes.size() < limit) {
        const ssize_t got = ::read(file.get(), buffer, std::min(sizeof buffer, limit - head.bytes.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        head.bytes.insert(head.bytes.end(), buffer, buffer + got);
    }
    return head;
}

std::optional<std::vector<std::uint8_t>> readFile(const std::string& path, std::size_t limit) {
    auto head = readFileHead(path, limit);
    if (!head) return std::nullopt;
    return std::move(head->bytes);
}

bool replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path target(path);
    const std::string name = target.filename().string();
    if (name.empty()) return false;
    const std::filesystem::path parent = target.parent_path();
    // Every step names its file relative to the folder, so the folder's path may be as long as the
    // system allows and cannot change under the write.
    const Descriptor folder(::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) return false;
    std::string temporary;
    Descriptor file(createTemporary(folder.get(), temporary));
    if (!file.valid()) return false;
    struct stat old {};
    // Best effort: a file system without Unix permissions keeps its own.
    if (::fstatat(folder.get(), name.c_str(), &old, 0) == 0 && S_ISREG(old.st_mode))
        static_cast<void>(::fchmod(file.get(), old.st_mode & 0777));
    bool ok = writeAll(file.get(), bytes);
    // Without this a crash right after the rename could leave an empty file on some file systems.
    ok = ::fsync(file.get()) == 0 && ok;
    ok = file.close() && ok;
    ok = ok && ::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) == 0;
    if (!ok) ::unlinkat(folder.get(), temporary.c_str(), 0);
    return ok;
}

bool canCreateFilesIn(const std::string& folder) {
    const Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.valid()) return false;
    std::string name;
    Descriptor probe(createTemporary(directory.get(), name));
    if (!probe.valid()) return false;
    probe.close();
    ::unlinkat(directory.get(), name.c_str(), 0);
    return true;
}

}  // namespace pivo
