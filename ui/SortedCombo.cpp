#include "ui/SortedCombo.h"

#include <QStandardItemModel>

namespace kelvrin {

namespace {

constexpr int kSortKeyRole = Qt::UserRole + 0x4b53;

}  // namespace

void KeepSorted(QComboBox* combo) {
    auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    if (model == nullptr) return;
    model->setSortRole(kSortKeyRole);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, combo,
                     [model](const QModelIndex& parent, int first, int last) {
                         for (int row = first; row <= last; ++row) {
                             const QModelIndex index = model->index(row, 0, parent);
                             model->setData(index, index.data(Qt::DisplayRole).toString().toCaseFolded(),
                                            kSortKeyRole);
                         }
                         model->sort(0);
                     });
}

}  // namespace kelvrin
