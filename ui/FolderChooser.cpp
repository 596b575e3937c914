#include "ui/FolderChooser.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace kelvrin {

std::optional<std::string> ChooseStartDirectory() {
    const QString directory = QFileDialog::getExistingDirectory(
        nullptr, "Choose the Dravek installation folder", QDir::currentPath());
    if (directory.isEmpty()) return std::nullopt;
    // The name as the file system spells it.
    return QFile::encodeName(directory).toStdString();
}

}  // namespace kelvrin
