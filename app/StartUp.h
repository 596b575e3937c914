#pragma once

#include <string>
#include <vector>

#include "settings/ServerSettings.h"

namespace kelvrin {

// What opening the main window does with the store before it shows anything: the start
// directory is taken (the current directory unless the store names one already), the default
// game folder is found among its folders in
// any letter case (its real name is kept, so that files go where the list shows), and that
// folder's kelvrin.cfg is read. Gives the game folders, listed once: thousands of them must not
// be read twice.
std::vector<std::string> StartUp(ServerSettings& settings);

}  // namespace kelvrin
