#pragma once

#include <QComboBox>

namespace kelvrin {

// Keeps the combo's items sorted alphabetically, letter case ignored, also when items are
// added later, as the original sorted combo boxes do by themselves.
void KeepSorted(QComboBox* combo);

}  // namespace kelvrin
