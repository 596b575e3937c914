#pragma once

#include <cstdint>

class QComboBox;

namespace kelvrin {

// The item the box's text stands for, -1 when the text matches none (typed text never is an
// item of its own). Letter case is ignored, as in the list searches of the Game Base box.
int SelectedIndex(const QComboBox& box);

// Selects an item from code; an index outside the list leaves the box without a selection.
void SelectIndex(QComboBox& box, int index);

// The player-count boxes list 2, 4, ..., 16: item i stands for 2 x (i + 1) players.
constexpr int PlayerCountIndex(std::int32_t players) { return players / 2 - 1; }
constexpr std::int32_t PlayerCountOfIndex(int index) { return 2 * (index + 1); }

}  // namespace kelvrin
