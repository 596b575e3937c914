// The Windows file operations under the text files.
#ifdef _WIN32

#include "files/RawFile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include <process.h>
#include <windows.h>
// The header names its own ReplaceFile; ours is the one declared in RawFile.h.
#undef ReplaceFile

#include "files/WideText.h"

namespace kelvrin::rawfile {

namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (Valid()) ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Closes now, so that a failing close can be seen.
    bool Close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE Open(const std::wstring& path, DWORD access, DWORD disposition) {
    return ::CreateFileW(path.c_str(), access, kShareAll, nullptr, disposition,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// The process id in the name of a temporary file that TemporaryNameFor made; nothing for any
// other name.
std::optional<long> WriterOfTemporary(std::string_view name) {
    // "." base ".tmp-" pid "-" counter "-" attempt.
    const std::size_t marker = name.rfind(".tmp-");
    if (name.size() < 2 || name[0] != '.' || marker == std::string_view::npos || marker == 0) {
        return std::nullopt;
    }
    std::string_view rest = name.substr(marker + 5);
    long pid = -1;
    for (int part = 0; part < 3; ++part) {
        std::size_t digits = 0;
        long number = 0;
        for (; digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9'; ++digits) {
            if (digits == 10) return std::nullopt;
            number = number * 10 + (rest[digits] - '0');
        }
        if (digits == 0) return std::nullopt;
        if (part == 0) pid = number;
        rest.remove_prefix(digits);
        if (part < 2) {
            if (rest.empty() || rest[0] != '-') return std::nullopt;
            rest.remove_prefix(1);
        }
    }
    if (!rest.empty()) return std::nullopt;
    return pid;
}

// A save that died left its temporary file beside the target; the next save of the same target
// removes it. Only names of this target's temporaries are asked of the folder.
void RemoveDeadWritersTemporaries(const std::string& path) {
    const std::string folder = FolderOf(path);
    const std::wstring pattern = FullPath(folder + "\\." + BaseNameOf(path) + ".tmp-*");
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = Utf8FromWide(entry.cFileName);
        const std::optional<long> writer = WriterOfTemporary(name);
        if (!writer || *writer <= 0) continue;
        const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(*writer));
        // A process that still runs keeps its file; one that is gone cannot be opened.
        if (process != nullptr) {
            ::CloseHandle(process);
            continue;
        }
        if (::GetLastError() == ERROR_INVALID_PARAMETER) {
            ::DeleteFileW(FullPath(folder + "\\" + name).c_str());
        }
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
}

// Creates a fresh temporary file beside the target; a stale one from an earlier run is passed by.
std::pair<HANDLE, std::wstring> CreateTemporaryFor(const std::string& path) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::wstring name = FullPath(TemporaryNameFor(path, attempt));
        const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return {file, std::move(name)};
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return {INVALID_HANDLE_VALUE, {}};
}

// Another program reading the old file (the game, an editor, a virus scanner) holds it only
// briefly; these are the refusals that last only as long as it does.
bool HeldByAnotherProgram(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Puts the temporary file in the target's place. An existing target is replaced in the way that
// keeps its attributes and also works while another program has it open with delete sharing.
bool PutInPlace(const std::wstring& temporary, const std::wstring& target) {
    for (int attempt = 0;; ++attempt) {
        const bool exists = ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (exists
                ? ::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                : ::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0) {
            return true;
        }
        const DWORD error = ::GetLastError();
        if (attempt == 40) return false;
        // The old file is gone but the new one was not renamed: the next round moves it.
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT) continue;
        if (!HeldByAnotherProgram(error)) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

std::string TemporaryNameFor(const std::string& path, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const long pid = _getpid();
    return FolderOf(path) + "/." + BaseNameOf(path) + ".tmp-" + std::to_string(pid) + "-" +
           std::to_string(counter++) + "-" + std::to_string(attempt);
}

std::optional<std::string> ReadRaw(const std::string& path, std::size_t maxBytes) {
    Handle file(Open(WideFromUtf8(path), GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING));
    if (!file.Valid()) return std::nullopt;
    // The buffer grows with what is read: a limit may be far beyond the file's end.
    std::string raw;
    std::size_t total = 0;
    while (total < maxBytes) {
        raw.resize(std::min(maxBytes, std::max<std::size_t>(2 * total, 65536)));
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(raw.size() - total, 1u << 30));
        DWORD got = 0;
        if (!::ReadFile(file.Get(), raw.data() + total, chunk, &got, nullptr) || got == 0) break;
        total += got;
    }
    raw.resize(total);
    return raw;
}

FileResult CheckReplaceable(const std::string& path) {
    const std::wstring target = FullPath(path);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // The old file must be readable and writable where it stands, as for a plain overwrite
        // of a file that was read; another program merely holding it open is waited for when
        // the new file takes its place.
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
            return {std::error_code(ERROR_ACCESS_DENIED, std::system_category())};
        }
        Handle probe(Open(target, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING));
        if (!probe.Valid() && ::GetLastError() != ERROR_SHARING_VIOLATION) {
            return {LastSystemError()};
        }
    }
    return {};
}

FileResult ReplaceFile(const std::string& path, std::string_view bytes) {
    if (const FileResult replaceable = CheckReplaceable(path); !replaceable) return replaceable;
    const std::wstring target = FullPath(path);

    RemoveDeadWritersTemporaries(path);
    auto [handle, temporary] = CreateTemporaryFor(path);
    Handle file(handle);
    if (!file.Valid()) return {LastSystemError()};
    const bool complete = WriteAll(file.Get(), bytes) && ::FlushFileBuffers(file.Get()) &&
                          file.Close() && PutInPlace(temporary, target);
    if (!complete) {
        const std::error_code reason = LastSystemError();
        if (file.Valid()) file.Close();
        ::DeleteFileW(temporary.c_str());
        return {reason};
    }
    return {};
}

}  // namespace kelvrin::rawfile

#endif
