#pragma once

#include <string>
#include <vector>

#include "settings/ServerSettings.h"

namespace kelvrin::testing {

// A setting named as in the config file (or gameTypeIndex), its value as text: tests name the
// settings they change and check, as the window's bindings do.
std::string ValueOf(ServerSettings& settings, const std::string& name);
void Assign(ServerSettings& settings, const std::string& name, const std::string& value);

// The name of every text, number and switch setting.
std::vector<std::string> EverySettingName();

}  // namespace kelvrin::testing
