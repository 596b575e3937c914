#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvrin {

// An operator may add lines of his own to kelvrin.cfg (the game's network port for a second
// server on the host, a bind, an exec, a comment); a save keeps them.

// The lines of a file's text that Kelvrin does not write itself, in their order, byte for byte:
// not a set (seta, sets, setu) of one of Kelvrin's variables in any letter case, not the
// map-cycle comment and not spawnserver. A line that names a setting the reader would then take
// from it, where the composed text does not carry that setting first, is not kept either:
// reading the saved file must give the store that was saved.
std::vector<std::string> KeptLines(std::string_view fileText, std::string_view composed);

// The composed text with the kept lines before its last line, spawnserver (at the end of a text
// without it).
std::string WithKeptLines(std::string_view composed, const std::vector<std::string>& kept);

}  // namespace kelvrin
