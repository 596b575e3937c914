#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QSize>
#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvrin {

// The rows of a list as the dialog layer hands them over, each shown as the file system spells
// it. One object holds them all, their names one after the other in one block, and a name
// becomes text only when it is shown, so that 100,000 map files fill a list at once.
class ListRows final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every row; the rows take the size the view gives them.
    void SetRows(const std::vector<std::string>& rows);
    // Gives every row this size.
    void SetRowSize(QSize size);

    QModelIndex index(int row, int column = 0,
                      const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::string_view Row(std::size_t row) const;

    std::string names_;              // every row's name, one after the other
    std::vector<std::size_t> ends_;  // where each row's name ends in names_
    QSize rowSize_;
};

// A list of the templates: a view of its own rows in which one row at a time is chosen. A list
// that scrolls sideways gets rows as wide as its widest names. chosen() reports a change of the
// selection; like every signal of the list it stays silent while the list's signals are blocked,
// so that code can select without raising an event.
class RowList final : public QListView {
    Q_OBJECT
public:
    explicit RowList(QWidget* parent = nullptr);

    void SetRows(const std::vector<std::string>& rows);
    // The selected row, not merely the keyboard's current one; -1 for none.
    int ChosenRow() const;
    // Selects the row and makes it the current one; a row outside the list leaves none chosen.
    void Choose(int row);

signals:
    void chosen();

protected:
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    void FitRowsToWidestNames(const std::vector<std::string>& rows);

    ListRows* rows_;  // a child of the list, so deleted after the view
};

}  // namespace kelvrin
