// Prints the SETTINGS section of the manual page kelvrin-cli(1) in roff, from the description
// of the settings that set's help shows too.
#include <iostream>

#include "cli/Help.h"

int main() {
    std::cout << kelvrin::cli::SettingsManual();
    return std::cout.good() ? 0 : 1;
}
