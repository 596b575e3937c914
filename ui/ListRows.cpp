#include "ui/ListRows.h"

#include <algorithm>
#include <cstddef>

#include "dialogs/LongestRows.h"
#include "ui/WindowText.h"

namespace kelvrin {

void ListRows::SetRows(const std::vector<std::string>& rows) {
    beginResetModel();
    std::size_t total = 0;
    for (const std::string& row : rows) total += row.size();
    names_.clear();
    names_.reserve(total);
    ends_.clear();
    ends_.reserve(rows.size());
    for (const std::string& row : rows) {
        names_ += row;
        ends_.push_back(names_.size());
    }
    rowSize_ = QSize();
    endResetModel();
}

std::string_view ListRows::Row(std::size_t row) const {
    const std::size_t start = row == 0 ? 0 : ends_[row - 1];
    return std::string_view(names_).substr(start, ends_[row] - start);
}

void ListRows::SetRowSize(QSize size) {
    emit layoutAboutToBeChanged();
    rowSize_ = size;
    emit layoutChanged();
}

// The view asks for every row's index as it lays the rows out: the quickest answer serves.
QModelIndex ListRows::index(int row, int column, const QModelIndex& parent) const {
    const bool inside = row >= 0 && static_cast<std::size_t>(row) < ends_.size() && column == 0 &&
                        !parent.isValid();
    return inside ? createIndex(row, column) : QModelIndex();
}

int ListRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ends_.size());
}

QVariant ListRows::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole) return NameText(Row(static_cast<std::size_t>(index.row())));
    if (role == Qt::SizeHintRole && rowSize_.isValid()) return rowSize_;
    return {};
}

RowList::RowList(QWidget* parent) : QListView(parent), rows_(new ListRows(this)) {
    setModel(rows_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One row's size for all: the list never measures its rows one by one.
    setUniformItemSizes(true);
}

void RowList::SetRows(const std::vector<std::string>& rows) {
    rows_->SetRows(rows);
    if (horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) FitRowsToWidestNames(rows);
}

// Only the few longest names by byte count are measured, with the first row for the height, so
// that thousands of rows fill at once; the list then scrolls sideways to the widest of them.
void RowList::FitRowsToWidestNames(const std::vector<std::string>& rows) {
    if (rows.empty()) return;
    QSize widest = sizeHintForIndex(rows_->index(0));
    for (const std::size_t row : LongestRows(rows)) {
        const QSize size = sizeHintForIndex(rows_->index(static_cast<int>(row)));
        widest.setWidth(std::max(widest.width(), size.width()));
    }
    rows_->SetRowSize(widest);
}

int RowList::ChosenRow() const {
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? -1 : chosen.front().row();
}

void RowList::Choose(int row) {
    const QModelIndex index = rows_->index(row);
    selectionModel()->setCurrentIndex(
        index, index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear);
}

void RowList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QListView::selectionChanged(selected, deselected);
    emit chosen();
}

}  // namespace kelvrin
