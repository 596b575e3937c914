#pragma once

#include <QString>

namespace kelvrin {

// The executable's file name without its extension ("kelvrin"): the caption of every message
// box that has none of its own.
QString ApplicationTitle();

}  // namespace kelvrin
