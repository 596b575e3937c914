#include "files/TextFile.h"

#include <algorithm>
#include <string>

#include "files/RawFile.h"

#ifndef _WIN32
#include <csignal>
#endif

namespace kelvrin {

namespace rawfile {

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace rawfile

std::string StoredText(std::string_view text) {
    std::string stored;
    stored.reserve(text.size() + text.size() / 16);
    // Line by line: a save stores every line of the file.
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
        stored.append(text.substr(0, end)).append("\r\n");
        text.remove_prefix(end + 1);
    }
    return stored.append(text);
}

namespace {

// What a text-mode read of maxChars characters delivers from these raw bytes.
std::string FromCrLf(std::string_view raw, std::size_t maxChars) {
    std::string text;
    text.reserve(std::min(raw.size(), maxChars));
    // A stretch at a time up to the next CR LF, which is read as its LF.
    while (!raw.empty() && text.size() < maxChars) {
        const std::size_t lineEnd = raw.find("\r\n");
        const std::size_t stretch = lineEnd == std::string_view::npos ? raw.size() : lineEnd;
        text.append(raw.substr(0, std::min(stretch, maxChars - text.size())));
        raw.remove_prefix(stretch == raw.size() ? stretch : stretch + 1);
    }
    return text;
}

}  // namespace

std::optional<std::string> ReadTextFile(const std::string& path, std::size_t maxChars) {
    // Each character read takes at most two bytes (CR LF); one more tells whether a CR at
    // the end of the window starts a line end.
    const std::size_t maxBytes =
        maxChars > (std::string::npos - 1) / 2 ? std::string::npos : 2 * maxChars + 1;
    const std::optional<std::string> raw = rawfile::ReadRaw(path, maxBytes);
    if (!raw) return std::nullopt;
    return FromCrLf(*raw, maxChars);
}

bool CanOpenForUpdate(const std::string& path) { return rawfile::ReadRaw(path, 0).has_value(); }

FileResult ReplaceTextFile(const std::string& path, std::string_view text, NewFile newFile) {
#ifdef _WIN32
    // Files there take the folder's access rules.
    static_cast<void>(newFile);
    return rawfile::ReplaceFile(path, StoredText(text));
#else
    return rawfile::ReplaceFile(path, StoredText(text),
                                newFile == NewFile::OwnerOnly ? 0600 : 0666);
#endif
}

void IgnoreFileSizeSignal() {
#ifndef _WIN32
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace kelvrin
