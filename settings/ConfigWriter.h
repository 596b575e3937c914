#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "messages/OperatorMessages.h"
#include "settings/ServerSettings.h"

namespace kelvrin {

inline constexpr std::size_t kConfigCapacity = 5000;
inline constexpr std::size_t kMaxWrittenTextLength = 199;
inline constexpr std::string_view kConfigTooLongMessage =
    "your cfg is too long ! Please use shorter names/passwords !";

// The text of kelvrin.cfg for the store, with LF line ends. Resets the three teamplay switches
// for DM and Tourney. When the text does not fit the capacity (terminating zero included), the
// overflow message is shown and the result is empty: nothing may then be written.
std::string ComposeServerConfig(ServerSettings& settings, OperatorMessages& messages,
                                std::size_t capacity = kConfigCapacity);

// Pulls the player counts, the speed index and the game type index into the shown ranges.
void NormaliseSettings(ServerSettings& settings);

}  // namespace kelvrin
