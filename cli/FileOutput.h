#pragma once

#include <array>
#include <streambuf>
#include <system_error>

namespace kelvrin::cli {

// A stream buffer over an open file descriptor that remembers the first failed write, so that
// output lost to a full disk or a closed pipe is told, with the system's reason, instead of
// passing for success.
class FileOutput : public std::streambuf {
public:
    explicit FileOutput(int descriptor) : descriptor_(descriptor) {}
    ~FileOutput() override { sync(); }
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    // Why a write failed; empty while every write went through.
    std::error_code Error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();

    int descriptor_;
    std::array<char, 8192> buffer_{};
    std::error_code error_;
    bool started_ = false;
};

}  // namespace kelvrin::cli
