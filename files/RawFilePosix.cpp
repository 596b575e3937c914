// The POSIX file operations under the text files.
#ifndef _WIN32

#include "files/RawFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvrin::rawfile {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// A FIFO or a device opens at once with these and is then turned away, instead of blocking.
constexpr int kNoWait = O_NONBLOCK | O_NOCTTY;

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<std::string> ReadRaw(const std::string& path, std::size_t maxBytes) {
    FileDescriptor file(OpenRetrying(path.c_str(), O_RDWR | kNoWait));
    if (!file.Valid()) return std::nullopt;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    // The buffer grows with what is read, from the size the file has now: a limit may be far
    // beyond the file's end.
    std::string raw;
    std::size_t total = 0;
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)) + 1;
    while (total < maxBytes) {
        raw.resize(std::min(maxBytes, std::max(2 * total, size)));
        const ssize_t got = ::read(file.Get(), raw.data() + total, raw.size() - total);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        total += static_cast<std::size_t>(got);
    }
    raw.resize(total);
    return raw;
}

namespace {

// The file a save replaces: the named one, or the one its symbolic link names.
struct Target {
    std::string path;
    bool exists = false;
    struct stat info {};
};

// Opens the file for reading and writing without following a link or changing it, as the test
// that it may be replaced where it stands: 0 for a regular file that may, otherwise an errno
// value.
int ProbeForReplacing(const std::string& path, struct stat& info) {
    const FileDescriptor probe(OpenRetrying(path.c_str(), O_RDWR | kNoWait | O_NOFOLLOW));
    if (!probe.Valid()) return errno;
    if (::fstat(probe.Get(), &info) != 0) return errno;
    return S_ISREG(info.st_mode) ? 0 : EINVAL;
}

// The target, or the errno value of why the save must be refused.
std::optional<Target> FindTarget(const std::string& path, int& refusal) {
    Target target{path};
    refusal = ProbeForReplacing(path, target.info);
    if (refusal == ENOENT) return target;
    if (refusal != 0 && refusal != ELOOP) return std::nullopt;
    target.exists = true;
    if (refusal == 0) return target;

    // A symbolic link: operators share one config between installations this way. It is
    // followed only when it, and every further link on the way, belongs to the owner of the
    // file at the end, so that a link planted by someone else never sends the save elsewhere;
    // the new file goes beside the one named.
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        refusal = errno;
        return std::nullopt;
    }
    target.path = resolved;
    std::free(resolved);
    refusal = ProbeForReplacing(target.path, target.info);
    if (refusal != 0) return std::nullopt;
    refusal = ELOOP;
    std::string link = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(link.c_str(), &info) != 0) return std::nullopt;
        if (!S_ISLNK(info.st_mode)) {
            refusal = 0;
            return target;
        }
        if (info.st_uid != target.info.st_uid) {
            refusal = EPERM;
            return std::nullopt;
        }
        std::string next(PATH_MAX, '\0');
        const ssize_t length = ::readlink(link.c_str(), next.data(), next.size());
        if (length <= 0 || static_cast<std::size_t>(length) == next.size()) return std::nullopt;
        next.resize(static_cast<std::size_t>(length));
        link = next[0] == '/' ? next : FolderOf(link) + "/" + next;
    }
    return std::nullopt;
}

// Gives the new file the old one's owner, group and mode, then its bytes, wholly on disk.
bool Fill(int fd, const Target& target, std::string_view bytes) {
    if (target.exists) {
        // Where the owner cannot be kept (an ordinary user's save), the group may be; neither
        // stops the save. The mode comes after, as a change of owner clears set-id bits.
        const gid_t group = target.info.st_gid;
        if (::fchown(fd, target.info.st_uid, group) != 0) {
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), group);
        }
        if (::fchmod(fd, target.info.st_mode & 07777) != 0) return false;
    }
    return WriteAll(fd, bytes) && ::fsync(fd) == 0;
}

// Each file has one temporary name beside it, held under a lock by the save that uses it. A
// save that died while holding the name left its file there; the next save of the same file
// finds the name unlocked and takes it over, so nothing of dead saves piles up, and no save
// reads the whole folder to find out.
std::string TemporaryNameOf(const std::string& path) {
    return FolderOf(path) + "/." + BaseNameOf(path) + ".kelvrin-tmp";
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes what stands at the temporary name when no live save holds it. False while one does
// (a save that only just made the file may not yet hold its lock: young files are left too).
bool ClearDeadTemporary(const std::string& name) {
    const FileDescriptor left(OpenRetrying(name.c_str(), O_RDONLY | kNoWait | O_NOFOLLOW));
    if (!left.Valid()) return errno == ENOENT;
    struct stat opened {};
    struct stat named {};
    if (::flock(left.Get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(left.Get(), &opened) != 0) {
        return false;
    }
    if (::time(nullptr) - opened.st_mtime < 2) return false;
    if (::lstat(name.c_str(), &named) != 0) return errno == ENOENT;
    return !SameFile(opened, named) || ::unlink(name.c_str()) == 0 || errno == ENOENT;
}

constexpr int kTemporaryAttempts = 200;  // 10 ms apart: a save takes far less

void WaitForTemporary() { ::usleep(10000); }

// The new file, complete and locked under the temporary name, or -1 with errno set. A file that
// existed is replaced by one created 0600, which takes the old mode when filled; a new one is
// created with newFileMode, less the umask.
int WriteTemporary(const Target& target, const std::string& name, std::string_view bytes,
                   unsigned newFileMode) {
    const mode_t mode = target.exists ? 0600 : static_cast<mode_t>(newFileMode);
#ifdef O_TMPFILE
    {
        // A file without a name until it is complete: a crash while it is filled leaves nothing.
        const std::string folder = FolderOf(target.path);
        FileDescriptor file(OpenRetrying(folder.c_str(), O_TMPFILE | O_WRONLY, mode));
        if (file.Valid()) {
            if (!Fill(file.Get(), target, bytes) || ::flock(file.Get(), LOCK_EX) != 0) return -1;
            const std::string self = "/proc/self/fd/" + std::to_string(file.Get());
            for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
                if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) ==
                    0) {
                    return file.Release();
                }
                if (errno != EEXIST) break;
                if (!ClearDeadTemporary(name)) WaitForTemporary();
            }
            if (errno == EEXIST) {
                errno = EBUSY;
                return -1;
            }
            // Without /proc it cannot be linked in: it is written again under the name.
        }
        // A file system without unnamed files refuses them; the named one follows.
    }
#endif
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        FileDescriptor file(
            OpenRetrying(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode));
        if (!file.Valid()) {
            if (errno != EEXIST) return -1;
            if (!ClearDeadTemporary(name)) WaitForTemporary();
            continue;
        }
        if (::flock(file.Get(), LOCK_EX) == 0 && Fill(file.Get(), target, bytes)) {
            return file.Release();
        }
        const int failure = errno;
        ::unlink(name.c_str());
        errno = failure;
        return -1;
    }
    errno = EBUSY;
    return -1;
}

// The folder goes to disk, with the new file's name in it.
void SyncFolder(const std::string& path) {
    const FileDescriptor folder(OpenRetrying(path.c_str(), O_RDONLY | O_DIRECTORY));
    if (folder.Valid()) ::fsync(folder.Get());
}

FileResult Refused(int error) { return {std::error_code(error, std::generic_category())}; }

}  // namespace

FileResult CheckReplaceable(const std::string& path) {
    int refusal = 0;
    const std::optional<Target> target = FindTarget(path, refusal);
    if (!target) return Refused(refusal);
    // The new file is made beside the one it replaces.
    const std::string folder = FolderOf(target->path);
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) return Refused(errno);
    return {};
}

FileResult ReplaceFile(const std::string& path, std::string_view bytes, unsigned newFileMode) {
    int refusal = 0;
    const std::optional<Target> target = FindTarget(path, refusal);
    if (!target) return Refused(refusal);
    const std::string name = TemporaryNameOf(target->path);
    // The lock is held until the new file has taken the old one's place.
    const FileDescriptor held(WriteTemporary(*target, name, bytes, newFileMode));
    if (!held.Valid()) return Refused(errno);
    if (::rename(name.c_str(), target->path.c_str()) != 0) {
        const int failure = errno;
        ::unlink(name.c_str());
        return Refused(failure);
    }
    SyncFolder(FolderOf(target->path));
    return {};
}

}  // namespace kelvrin::rawfile

#endif
