// The Windows file operations under the text files.
#ifdef _WIN32

#include "app/RawFile.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace kelvrin::rawfile {

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

}  // namespace kelvrin::rawfile

#endif
