#include <ostream>
#include <string>
#include <vector>

#include "cli/FileOutput.h"
#include "cli/RunCli.h"
#include "files/TextFile.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>

#include "files/WideText.h"
#endif

namespace {

// The arguments in UTF-8; Windows hands them over as wide characters.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        std::vector<std::string> arguments;
        for (int index = 0; index < count; ++index) {
            arguments.push_back(kelvrin::Utf8FromWide(wide[index]));
        }
        ::LocalFree(wide);
        return arguments;
    }
#endif
    return std::vector<std::string>(argv, argv + argc);
}

}  // namespace

int main(int argc, char** argv) {
    kelvrin::IgnoreFileSizeSignal();
    kelvrin::cli::FileOutput standardOutput(1);
    kelvrin::cli::FileOutput standardError(2);
    std::ostream out(&standardOutput);
    std::ostream err(&standardError);
    int code = kelvrin::RunCli(Arguments(argc, argv), out, err);
    out.flush();
    // A script that keeps what was printed must not take a lost output for the whole one.
    if (const std::error_code lost = standardOutput.Error()) {
        err << "kelvrin-cli: can't write standard output: " << lost.message() << '\n';
        code = 1;
    }
    err.flush();
    return code;
}
