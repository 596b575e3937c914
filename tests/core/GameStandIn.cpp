// Stands in for dravek.exe and dravekDed.exe in the Windows tests: writes the command line it
// was given, in UTF-8, to "command-line.txt" in its current directory.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    const wchar_t* line = GetCommandLineW();
    const int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line, -1, text.data(), size, nullptr, nullptr);
    text.pop_back();  // the terminating NUL
    std::ofstream("command-line.txt", std::ios::binary) << text;
    return 0;
}
