#pragma once

#include <string>
#include <vector>

class QListWidget;

namespace kelvrin {

// Replaces a list's rows, each shown as the file system spells it, with one call: thousands of
// map files must not relayout row by row. A list that scrolls sideways gets rows as wide as its
// widest names.
void FillList(QListWidget& list, const std::vector<std::string>& rows);

}  // namespace kelvrin
