#include "ui/MapSelectionDlg.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <optional>
#include <vector>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringDecoder>
#include <QStringList>

#include "maps/MapList.h"
#include "messages/OperatorMessages.h"
#include "settings/ServerSettings.h"
#include "ui/ProgramCursor.h"
#include "ui/WindowText.h"
#include "ui/WrittenTextEdit.h"

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

// A row shown otherwise than byte by byte keeps its bytes here, to be written back unchanged.
constexpr int kRowBytesRole = Qt::UserRole;
// So many of the longest names are measured for the available list's width.
constexpr std::size_t kMeasuredNames = 8;

bool IsAscii(const std::string& row) {
    return std::all_of(row.begin(), row.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A map file name spelt in UTF-8 shows as the file system spells it; other bytes show one
// character each.
std::optional<QString> Utf8Spelling(const std::string& row) {
    if (IsAscii(row)) return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(row.data(), static_cast<qsizetype>(row.size())));
    if (utf8.hasError()) return std::nullopt;
    return text;
}

void Fill(QListWidget& list, const MapRows& rows) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    std::vector<int> spelt;
    for (const std::string& row : rows) {
        const std::optional<QString> utf8 = Utf8Spelling(row);
        if (utf8) spelt.push_back(static_cast<int>(texts.size()));
        texts.append(utf8 ? *utf8 : WindowText(row));
    }
    // One call per list: thousands of map files must not relayout row by row.
    list.addItems(texts);
    for (const int row : spelt)
        list.item(row)->setData(kRowBytesRole,
                                QByteArray::fromStdString(rows[static_cast<std::size_t>(row)]));
}

std::string RowBytes(const QListWidgetItem& item) {
    const QVariant bytes = item.data(kRowBytesRole);
    return bytes.isValid() ? bytes.toByteArray().toStdString() : SettingText(item.text());
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
      ownMessages_(messages, this),
      available_(ItemAs<QListWidget>(kAvailableList)),
      selected_(ItemAs<QListWidget>(kSelectedList)),
      typedName_(ItemAs<QLineEdit>(kTypedName)),
      up_(ItemAs<QPushButton>(kUpButton)),
      down_(ItemAs<QPushButton>(kDownButton)) {
    setWindowTitle(QStringLiteral("Kelvrin - Map Selection"));
    UseProgramCursor(this);
    KeepStartMarkerBesideTheList();
    AcceptWrittenTextOnly(typedName_);
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
    Fill(*available_, available);
    Fill(*selected_, selected);
    FitRowsToWidestNames(available);
}

// With uniform row sizes the list takes every row's width from one sample row (the last, in
// Qt 6), and would cut longer names instead of scrolling sideways. The first and the last row
// are given the width of the widest names; only the few longest by character count are
// measured, so thousands fill at once.
void CMapSelectionDlg::FitRowsToWidestNames(const MapRows& rows) {
    if (rows.empty()) return;
    std::vector<int> longest(rows.size());
    std::iota(longest.begin(), longest.end(), 0);
    const auto measured =
        longest.begin() + static_cast<std::ptrdiff_t>(std::min(kMeasuredNames, rows.size()));
    std::partial_sort(longest.begin(), measured, longest.end(), [&rows](int a, int b) {
        return rows[static_cast<std::size_t>(a)].size() > rows[static_cast<std::size_t>(b)].size();
    });
    const QAbstractItemModel& model = *available_->model();
    QSize widest = available_->sizeHintForIndex(model.index(0, 0));
    for (auto row = longest.begin(); row != measured; ++row)
        widest.setWidth(
            std::max(widest.width(), available_->sizeHintForIndex(model.index(*row, 0)).width()));
    available_->item(0)->setSizeHint(widest);
    available_->item(available_->count() - 1)->setSizeHint(widest);
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
    connect(available_, &QListWidget::itemDoubleClicked, this, &CMapSelectionDlg::OnCopyToSelected);
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
    if (row < 0) return;
    const QListWidgetItem& source = *available_->item(row);
    auto* copy = new QListWidgetItem(source.text());
    if (const QVariant bytes = source.data(kRowBytesRole); bytes.isValid())
        copy->setData(kRowBytesRole, bytes);
    selected_->addItem(copy);
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
    // A name the script cannot carry back, an empty one included, is not added.
    const QString name = typedName_->text().left(kTypedNameLimit);
    if (ScriptCanCarry(SettingText(name))) selected_->addItem(name);
}

void CMapSelectionDlg::OnAvailableFocused() {
    ClearChoice(*selected_);
    UpdateMoveButtons();
}

// Each button is set once: one that stays enabled keeps the focus, so a key pressed on it
// again moves the row again.
void CMapSelectionDlg::UpdateMoveButtons() {
    const int row = ChosenRow(*selected_);
    const bool movable = selected_->count() >= 2 && row >= 0;
    up_->setEnabled(movable && row != 0);
    down_->setEnabled(movable && row != selected_->count() - 1);
}

MapRows CMapSelectionDlg::SelectedRows() const {
    MapRows rows;
    rows.reserve(static_cast<std::size_t>(selected_->count()));
    for (int row = 0; row < selected_->count(); ++row)
        rows.push_back(RowBytes(*selected_->item(row)));
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
