// The POSIX file operations under the text files.
#ifndef _WIN32

#include "files/RawFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <limits>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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
    // Closes now, so that a failing close (a late write error) can be seen.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
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
    std::string raw(maxBytes, '\0');
    std::size_t total = 0;
    while (total < maxBytes) {
        const ssize_t got = ::read(file.Get(), raw.data() + total, maxBytes - total);
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

// Opens the file for writing without following a link or changing it, as the test that it may
// be overwritten where it stands: 0 for a regular file that may, otherwise an errno value.
int ProbeForWriting(const std::string& path, struct stat& info) {
    const FileDescriptor probe(OpenRetrying(path.c_str(), O_WRONLY | kNoWait | O_NOFOLLOW));
    if (!probe.Valid()) return errno;
    if (::fstat(probe.Get(), &info) != 0) return errno;
    return S_ISREG(info.st_mode) ? 0 : EINVAL;
}

// Nothing when the save must be refused.
std::optional<Target> FindTarget(const std::string& path) {
    Target target{path};
    const int probed = ProbeForWriting(path, target.info);
    if (probed == ENOENT) return target;
    if (probed != 0 && probed != ELOOP) return std::nullopt;
    target.exists = true;
    if (probed == 0) return target;

    // A symbolic link: operators share one config between installations this way. It is
    // followed only when it, and every further link on the way, belongs to the owner of the
    // file at the end, so that a link planted by someone else never sends the save elsewhere;
    // the new file goes beside the one named.
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return std::nullopt;
    target.path = resolved;
    std::free(resolved);
    if (ProbeForWriting(target.path, target.info) != 0) return std::nullopt;
    std::string link = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(link.c_str(), &info) != 0) return std::nullopt;
        if (!S_ISLNK(info.st_mode)) return target;
        if (info.st_uid != target.info.st_uid) return std::nullopt;
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

// Writes the new file beside the target and gives it a temporary name once it is complete; the
// name is empty when that failed. A file that existed is replaced by one created 0600, which
// takes the old mode when filled; a new one is created with newFileMode, less the umask.
std::string WriteTemporary(const Target& target, std::string_view bytes, unsigned newFileMode) {
    const mode_t mode = target.exists ? 0600 : static_cast<mode_t>(newFileMode);
#ifdef O_TMPFILE
    {
        // A file without a name until it is complete: a crash while it is filled leaves nothing.
        const std::string folder = FolderOf(target.path);
        FileDescriptor file(OpenRetrying(folder.c_str(), O_TMPFILE | O_WRONLY, mode));
        if (file.Valid()) {
            if (!Fill(file.Get(), target, bytes)) return {};
            const std::string self = "/proc/self/fd/" + std::to_string(file.Get());
            for (unsigned attempt = 0; attempt < 100; ++attempt) {
                std::string name = TemporaryNameFor(target.path, attempt);
                if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) ==
                    0) {
                    if (file.Close()) return name;
                    ::unlink(name.c_str());
                    return {};
                }
                if (errno != EEXIST) break;
            }
            // Without /proc it cannot be linked in: it is written again under a name.
        }
        // A file system without unnamed files refuses them; named ones follow.
    }
#endif
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryNameFor(target.path, attempt);
        FileDescriptor file(OpenRetrying(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, mode));
        if (!file.Valid()) {
            if (errno == EEXIST) continue;
            return {};
        }
        if (Fill(file.Get(), target, bytes) && file.Close()) return name;
        ::unlink(name.c_str());
        return {};
    }
    return {};
}

// A Kelvrin that died while saving a private file left its temporary file, a whole config with
// its passwords: the next private save into the folder takes it away (that of a process still
// running stays). Only those read the folder, which may hold thousands of game folders.
void RemoveDeadWritersTemporaries(int folder) {
    DIR* dir = ::fdopendir(::dup(folder));
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::optional<long> writer = WriterOfTemporary(entry->d_name);
        if (writer && *writer > 0 && *writer <= std::numeric_limits<pid_t>::max() &&
            ::kill(static_cast<pid_t>(*writer), 0) != 0 && errno == ESRCH) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// The folder goes to disk, with the new file's name in it.
void CleanAndSyncFolder(const std::string& path, bool isPrivate) {
    const FileDescriptor folder(OpenRetrying(path.c_str(), O_RDONLY | O_DIRECTORY));
    if (!folder.Valid()) return;
    if (isPrivate) RemoveDeadWritersTemporaries(folder.Get());
    ::fsync(folder.Get());
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes, unsigned newFileMode) {
    const std::optional<Target> target = FindTarget(path);
    if (!target) return false;
    const std::string temporary = WriteTemporary(*target, bytes, newFileMode);
    if (temporary.empty()) return false;
    if (::rename(temporary.c_str(), target->path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    CleanAndSyncFolder(FolderOf(target->path), (newFileMode & 077) == 0);
    return true;
}

}  // namespace kelvrin::rawfile

#endif
