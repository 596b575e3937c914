// The POSIX file operations under the text files.
#ifndef _WIN32

#include "app/RawFile.h"

#include <cerrno>

#include <fcntl.h>
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
    FileDescriptor file(OpenRetrying(path.c_str(), O_RDWR));
    if (!file.Valid()) return std::nullopt;
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

// Creates a fresh temporary file beside the target; the umask applies as for any new file.
std::pair<int, std::string> CreateTemporaryFor(const std::string& path) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryNameFor(path, attempt);
        const int fd = OpenRetrying(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0) return {fd, std::move(name)};
        if (errno != EEXIST) break;
    }
    return {-1, {}};
}

void SyncFolder(const std::string& folder) {
    FileDescriptor dir(OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.Valid()) ::fsync(dir.Get());
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists) {
        // The old file must be writable where it stands, as for a plain overwrite.
        FileDescriptor probe(OpenRetrying(path.c_str(), O_WRONLY));
        if (!probe.Valid()) return false;
    } else if (errno != ENOENT) {
        return false;
    }

    auto [fd, temporary] = CreateTemporaryFor(path);
    FileDescriptor file(fd);
    if (!file.Valid()) return false;
    const bool complete = (!exists || ::fchmod(file.Get(), existing.st_mode & 07777) == 0) &&
                          WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0 &&
                          file.Close() && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!complete) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

}  // namespace kelvrin::rawfile

#endif
