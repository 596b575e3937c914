#include "app/TextFile.h"

#include <atomic>
#include <cerrno>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelvrin {

namespace {

std::string WithCrLf(std::string_view text) {
    std::string stored;
    stored.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') stored += '\r';
        stored += c;
    }
    return stored;
}

// What a text-mode read of maxChars characters delivers from these raw bytes.
std::string FromCrLf(std::string_view raw, std::size_t maxChars) {
    std::string text;
    for (std::size_t i = 0; i < raw.size() && text.size() < maxChars; ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        text += raw[i];
    }
    return text;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name in the target's folder that no other write of this process uses at the same time.
std::string TemporaryNameFor(const std::string& path, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
#ifdef _WIN32
    const long pid = _getpid();
#else
    const long pid = static_cast<long>(getpid());
#endif
    return FolderOf(path) + "/." + BaseNameOf(path) + ".tmp-" + std::to_string(pid) + "-" +
           std::to_string(counter++) + "-" + std::to_string(attempt);
}

#ifndef _WIN32

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

#else  // _WIN32

std::optional<std::string> ReadRaw(const std::string& path, std::size_t maxBytes) {
    const int fd = ::_open(path.c_str(), _O_RDWR | _O_BINARY);
    if (fd < 0) return std::nullopt;
    std::string raw(maxBytes, '\0');
    const int got = ::_read(fd, raw.data(), static_cast<unsigned>(maxBytes));
    ::_close(fd);
    raw.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return raw;
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        const int probe = ::_open(path.c_str(), _O_WRONLY | _O_BINARY);
        if (probe < 0) return false;
        ::_close(probe);
    }
    const std::string temporary = TemporaryNameFor(path, 0);
    const int fd = ::_open(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                           _S_IREAD | _S_IWRITE);
    if (fd < 0) return false;
    const bool written =
        ::_write(fd, bytes.data(), static_cast<unsigned>(bytes.size())) ==
            static_cast<int>(bytes.size()) &&
        ::_commit(fd) == 0;
    const bool closed = ::_close(fd) == 0;
    if (!written || !closed ||
        !::MoveFileExA(temporary.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

#endif

}  // namespace

std::optional<std::string> ReadTextFile(const std::string& path, std::size_t maxChars) {
    // Each character read takes at most two bytes (CR LF); one more tells whether a CR at
    // the end of the window starts a line end.
    const std::optional<std::string> raw = ReadRaw(path, 2 * maxChars + 1);
    if (!raw) return std::nullopt;
    return FromCrLf(*raw, maxChars);
}

bool CanOpenForUpdate(const std::string& path) { return ReadRaw(path, 0).has_value(); }

bool ReplaceTextFile(const std::string& path, std::string_view text) {
    return ReplaceFile(path, WithCrLf(text));
}

}  // namespace kelvrin
