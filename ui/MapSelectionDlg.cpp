#include "ui/MapSelectionDlg.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>

#include "app/OperatorMessages.h"
#include "settings/ServerSettings.h"
#include "ui/ProgramCursor.h"
#include "ui/WindowText.h"

namespace kelvrin {

namespace {

constexpr int kTemplateId = 139;
constexpr int kAvailableList = 1037;
constexpr int kSelectedList = 1036;
constexpr int kCopyButton = 1023;
constexpr int kRemoveButton = 1024;
constexpr int kUpButton = 1035;
constexpr int kDownButton = 1038;
constexpr int kTypedName = 1009;
constexpr int kAddButton = 1041;
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;
constexpr QLatin1String kStartMarker("* ->");
constexpr auto kTypedNameLimit = static_cast<qsizetype>(kMaxTypedMapNameLength);

QStringList ToStringList(const MapRows& rows) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows) list.append(WindowText(row));
    return list;
}

// The row the operator has chosen: a selected row, not merely the keyboard's current one.
int ChosenRow(const QListWidget& list) {
    const QList<QListWidgetItem*> chosen = list.selectedItems();
    return chosen.isEmpty() ? -1 : list.row(chosen.front());
}

// Choices made from code stay silent, so the selection handler runs for the operator only.
void ClearChoice(QListWidget& list) {
    const QSignalBlocker silent(&list);
    list.setCurrentRow(-1, QItemSelectionModel::Clear);
}

}  // namespace

CMapSelectionDlg::CMapSelectionDlg(ServerSettings& settings, OperatorMessages& messages,
                                   QWidget* parent)
    : TemplateDialog(kTemplateId, parent),
      settings_(settings),
      messages_(messages),
      available_(ItemAs<QListWidget>(kAvailableList)),
      selected_(ItemAs<QListWidget>(kSelectedList)),
      typedName_(ItemAs<QLineEdit>(kTypedName)),
      up_(ItemAs<QPushButton>(kUpButton)),
      down_(ItemAs<QPushButton>(kDownButton)) {
    setWindowTitle(QStringLiteral("Kelvrin - Map Selection"));
    UseProgramCursor(this);
    KeepStartMarkerBesideTheList();
    up_->setEnabled(false);
    down_->setEnabled(false);
    FillLists();
    ConnectControls();
}

// The start-map marker points at the selected list's top row: a text wider than its rectangle
// grows to the left, away from the list.
void CMapSelectionDlg::KeepStartMarkerBesideTheList() {
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->text() != kStartMarker) continue;
        const QRect grown = label->geometry();
        const int right = std::min(grown.right(), selected_->geometry().left() - 1);
        label->setGeometry(right + 1 - grown.width(), grown.y(), grown.width(), grown.height());
    }
}

void CMapSelectionDlg::FillLists() {
    MapRows available;
    MapRows selected;
    LoadMapLists(settings_, available, selected);
    // One call per list: thousands of map files must not relayout row by row.
    available_->addItems(ToStringList(available));
    selected_->addItems(ToStringList(selected));
}

void CMapSelectionDlg::ConnectControls() {
    connect(ItemAs<QPushButton>(kOkButton), &QPushButton::clicked, this, &CMapSelectionDlg::accept);
    connect(ItemAs<QPushButton>(kCancelButton), &QPushButton::clicked, this,
            &CMapSelectionDlg::reject);
    connect(ItemAs<QPushButton>(kCopyButton), &QPushButton::clicked, this,
            &CMapSelectionDlg::OnCopyToSelected);
    connect(ItemAs<QPushButton>(kRemoveButton), &QPushButton::clicked, this,
            &CMapSelectionDlg::OnRemoveFromSelected);
    connect(up_, &QPushButton::clicked, this, &CMapSelectionDlg::OnMoveUp);
    connect(down_, &QPushButton::clicked, this, &CMapSelectionDlg::OnMoveDown);
    connect(ItemAs<QPushButton>(kAddButton), &QPushButton::clicked, this,
            &CMapSelectionDlg::OnAddTyped);
    connect(available_, &QListWidget::itemDoubleClicked, this,
            &CMapSelectionDlg::OnCopyToSelected);
    connect(selected_, &QListWidget::itemDoubleClicked, this,
            &CMapSelectionDlg::OnRemoveFromSelected);
    connect(selected_, &QListWidget::itemSelectionChanged, this,
            &CMapSelectionDlg::UpdateMoveButtons);
    available_->installEventFilter(this);
}

bool CMapSelectionDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == available_ && event->type() == QEvent::FocusIn) OnAvailableFocused();
    return TemplateDialog::eventFilter(watched, event);
}

void CMapSelectionDlg::OnCopyToSelected() {
    const int row = ChosenRow(*available_);
    if (row >= 0) selected_->addItem(available_->item(row)->text());
}

void CMapSelectionDlg::OnRemoveFromSelected() {
    const int row = ChosenRow(*selected_);
    if (row >= 0 && selected_->count() > 1) {
        {
            const QSignalBlocker silent(selected_);
            delete selected_->takeItem(row);
        }
        // The list would choose the next row by itself; after a removal none is chosen.
        ClearChoice(*selected_);
    }
    UpdateMoveButtons();
}

void CMapSelectionDlg::OnMoveUp() { MoveChosenRow(-1); }

void CMapSelectionDlg::OnMoveDown() { MoveChosenRow(+1); }

void CMapSelectionDlg::MoveChosenRow(int step) {
    const int row = ChosenRow(*selected_);
    const int target = row + step;
    if (row >= 0 && target >= 0 && target < selected_->count()) {
        const QSignalBlocker silent(selected_);
        QListWidgetItem* item = selected_->takeItem(row);
        selected_->insertItem(target, item);
        selected_->setCurrentRow(target, QItemSelectionModel::ClearAndSelect);
    }
    UpdateMoveButtons();
}

void CMapSelectionDlg::OnAddTyped() {
    selected_->addItem(typedName_->text().left(kTypedNameLimit));
}

void CMapSelectionDlg::OnAvailableFocused() {
    ClearChoice(*selected_);
    UpdateMoveButtons();
}

void CMapSelectionDlg::UpdateMoveButtons() {
    up_->setEnabled(false);
    down_->setEnabled(false);
    const int row = ChosenRow(*selected_);
    if (selected_->count() < 2 || row < 0) return;
    if (row != selected_->count() - 1) down_->setEnabled(true);
    if (row != 0) up_->setEnabled(true);
}

MapRows CMapSelectionDlg::SelectedRows() const {
    MapRows rows;
    rows.reserve(static_cast<std::size_t>(selected_->count()));
    for (int row = 0; row < selected_->count(); ++row)
        rows.push_back(SettingText(selected_->item(row)->text()));
    return rows;
}

void CMapSelectionDlg::accept() {
    if (selected_->count() == 0) {
        messages_.Show(std::string(kNoMapSelectedMessage));
        return;
    }
    if (WriteMapCycle(settings_, SelectedRows(), messages_) == MapDialogOutcome::Close)
        TemplateDialog::accept();
}

}  // namespace kelvrin
