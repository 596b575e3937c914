#include "cli/FileOutput.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kelvrin::cli {

namespace {

long WriteSome(int descriptor, const char* bytes, std::size_t size) {
#ifdef _WIN32
    return ::_write(descriptor, bytes, static_cast<unsigned>(size));
#else
    return ::write(descriptor, bytes, size);
#endif
}

}  // namespace

bool FileOutput::Drain() {
    if (!started_) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        started_ = true;
        return true;
    }
    const char* next = pbase();
    while (next < pptr() && !error_) {
        const long written = WriteSome(descriptor_, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error_ = std::error_code(written < 0 ? errno : EIO, std::generic_category());
        } else {
            next += written;
        }
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return !error_;
}

FileOutput::int_type FileOutput::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int FileOutput::sync() { return Drain() ? 0 : -1; }

}  // namespace kelvrin::cli
