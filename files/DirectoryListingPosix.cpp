// Directory listings on POSIX systems.
#ifndef _WIN32

#include "files/DirectoryListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

#include "files/TextCompare.h"

namespace kelvrin {

namespace {

class DirectoryStream {
public:
    explicit DirectoryStream(const std::string& path) : dir_(::opendir(path.c_str())) {}
    ~DirectoryStream() {
        if (dir_ != nullptr) ::closedir(dir_);
    }
    DirectoryStream(const DirectoryStream&) = delete;
    DirectoryStream& operator=(const DirectoryStream&) = delete;

    DIR* Get() const { return dir_; }

private:
    DIR* dir_;
};

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Whether the entry is of the kind, a link counted as what it points to. Most file systems
// tell the type in the entry itself; only the others (and links) cost a stat.
bool IsOfKind(DIR* dir, const dirent& entry, EntryKind kind) {
    unsigned char type = entry.d_type;
    if (type == DT_UNKNOWN || type == DT_LNK) {
        struct stat status {};
        if (::fstatat(::dirfd(dir), entry.d_name, &status, 0) != 0) return false;
        type = S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    return type == (kind == EntryKind::Folder ? DT_DIR : DT_REG);
}

// Room for as many names as the directory's size in bytes could hold, so that a large list is
// not copied as it grows: the room costs nothing until names fill it.
std::size_t RoomForNames(DIR* dir) {
    constexpr std::size_t kSmallestEntry = 8;
    constexpr std::size_t kMostRoom = std::size_t{1} << 20;
    struct stat status {};
    if (::fstat(::dirfd(dir), &status) != 0 || status.st_size <= 0) return 0;
    return std::min(static_cast<std::size_t>(status.st_size) / kSmallestEntry, kMostRoom);
}

}  // namespace

std::vector<std::string> ListSortedNames(const std::string& directory, EntryKind kind,
                                         const std::function<bool(const std::string&)>& keep) {
    std::vector<std::string> names;
    const DirectoryStream stream(directory);
    if (stream.Get() == nullptr) return names;
    names.reserve(RoomForNames(stream.Get()));
    // A read error ends the listing with what was read so far.
    while (const dirent* entry = ::readdir(stream.Get())) {
        if (IsDotOrDotDot(entry->d_name) || !IsOfKind(stream.Get(), *entry, kind)) continue;
        names.emplace_back(entry->d_name);
        if (!keep(names.back())) names.pop_back();
    }
    SortIgnoringCase(names);
    return names;
}

}  // namespace kelvrin

#endif
