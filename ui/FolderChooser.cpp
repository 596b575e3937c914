#include "ui/FolderChooser.h"

#include <QDir>
#include <QFileDialog>

namespace kelvrin {

bool ChooseStartDirectory() {
    const QString directory = QFileDialog::getExistingDirectory(
        nullptr, "Choose the Dravek installation folder", QDir::currentPath());
    return !directory.isEmpty() && QDir::setCurrent(directory);
}

}  // namespace kelvrin
