// Writes its working directory and arguments, one a line, to "launch-record.txt" in its
// working directory, so a test can see how it was started.
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    const std::string temporary = "launch-record.txt.part";
    {
        std::ofstream out(temporary, std::ios::binary);  // \n alone on every system
        out << std::filesystem::current_path().string() << '\n';
        for (int i = 1; i < argc; ++i) out << argv[i] << '\n';
    }
    // Appears whole or not at all, so a test polling for it never reads half of it.
    std::filesystem::rename(temporary, "launch-record.txt");
    return 0;
}
