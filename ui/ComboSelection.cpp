#include "ui/ComboSelection.h"

#include <QComboBox>

namespace kelvrin {

int SelectedIndex(const QComboBox& box) {
    return box.findText(box.currentText(), Qt::MatchFixedString);
}

void SelectIndex(QComboBox& box, int index) {
    box.setCurrentIndex(index >= 0 && index < box.count() ? index : -1);
}

}  // namespace kelvrin
