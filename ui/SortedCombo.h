#pragma once

#include <QComboBox>
#include <QStringList>

#include <vector>

namespace kelvrin {

// Keeps the combo's items sorted alphabetically, letter case ignored, also when items are
// added later, as the original sorted combo boxes do by themselves. Items equal but for their
// letter case keep the order they were added in. A single item added later goes straight to
// its place.
void KeepSorted(QComboBox* combo);

// Adds the items to a combo that KeepSorted looks after, with one insertion: they are put in
// order here, once, so that thousands of them are not sorted again item by item. Tells the
// order they were added in, as indices into items (in an empty combo: row by row).
std::vector<qsizetype> AddSorted(QComboBox* combo, const QStringList& items);

}  // namespace kelvrin
