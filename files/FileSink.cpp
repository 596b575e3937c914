#include "files/FileSink.h"

#include "files/RawFile.h"

namespace kelvrin {

namespace {

class Disk : public FileSink {
public:
    FileResult Replace(const std::string& path, std::string_view text, NewFile newFile) override {
        return ReplaceTextFile(path, text, newFile);
    }
};

}  // namespace

FileSink& DiskFiles() {
    static Disk disk;
    return disk;
}

FileResult PreviewFiles::Replace(const std::string& path, std::string_view text, NewFile) {
    const FileResult replaceable = rawfile::CheckReplaceable(path);
    if (replaceable) files.push_back({path, rawfile::BaseNameOf(path), StoredText(text)});
    return replaceable;
}

}  // namespace kelvrin
