#include <iostream>
#include <string>
#include <vector>

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
    return kelvrin::RunCli(Arguments(argc, argv), std::cout, std::cerr);
}
