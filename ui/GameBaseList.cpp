// The Game Base list: one entry per game folder of the start directory, "[name]".
#include <QComboBox>
#include <QStringList>

#include <string>
#include <vector>

#include "app/GameFolderList.h"
#include "dialogs/MainWindowIds.h"
#include "files/Directories.h"
#include "files/TextCompare.h"
#include "messages/OperatorMessages.h"
#include "settings/ServerSettings.h"
#include "ui/ComboSelection.h"
#include "ui/KelvrinDlg.h"
#include "ui/SortedCombo.h"

namespace kelvrin {

void CKelvrinDlg::FillGameFolderList(const std::vector<std::string>& folders) {
    QComboBox& list = *Combo(mainwindow::kGameBase);
    std::vector<std::string> listed;
    QStringList shown;
    for (const std::string& folder : folders) {
        listed.push_back(GameFolderEntry(folder));
        shown.append(QString::fromStdString(listed.back()));
    }
    // Filled with one call; the list sorts by its own rule, so the entries are taken in its order.
    const bool wasEmpty = list.count() == 0;
    const std::vector<qsizetype> order = AddSorted(&list, shown);
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list.count()));
    if (wasEmpty) {
        for (const qsizetype index : order)
            entries.push_back(std::move(listed[static_cast<std::size_t>(index)]));
    } else {
        for (int row = 0; row < list.count(); ++row)
            entries.push_back(list.itemText(row).toStdString());
    }

    const GameFolderSelection selection = ChooseGameFolderEntry(entries, settings_.gameFolder);
    SelectIndex(list, selection.select ? static_cast<int>(*selection.select) : -1);
    if (selection.reportNotFound) messages_.Show(std::string(kNoGameFoldersMessage));
}

std::optional<std::string> CKelvrinDlg::TakeSelectedGameFolder() {
    const QComboBox& list = *Combo(mainwindow::kGameBase);
    const int index = SelectedIndex(list);
    if (index < 0) return std::nullopt;
    const std::string entry = list.itemText(index).toStdString();
    if (entry.empty()) return std::nullopt;
    std::string folder = FolderOfEntry(entry);
    AssignFromWindow(settings_, settings_.gameFolder, folder);
    return folder;
}

}  // namespace kelvrin
