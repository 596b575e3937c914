#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/FileResult.h"
#include "files/TextFile.h"

namespace kelvrin {

// Where the commands that save put their files: the disk, or a preview that shows what would
// stand there and writes nothing.
class FileSink {
public:
    virtual ~FileSink() = default;
    // Replaces the file with the text as ReplaceTextFile does.
    virtual FileResult Replace(const std::string& path, std::string_view text, NewFile newFile) = 0;
};

// The files on disk.
FileSink& DiskFiles();

// Keeps each file's bytes as they would be stored, and whether the disk would take them: a
// file that could not be replaced there fails here too, with the system's reason.
class PreviewFiles : public FileSink {
public:
    struct File {
        std::string path;
        std::string name;  // the last part of the path
        std::string bytes;
    };

    FileResult Replace(const std::string& path, std::string_view text, NewFile newFile) override;

    std::vector<File> files;
};

}  // namespace kelvrin
