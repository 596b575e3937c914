#include "ui/SortedCombo.h"

#include <QSignalBlocker>
#include <QStandardItemModel>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace kelvrin {

namespace {

constexpr int kSortKeyRole = Qt::UserRole + 0x4b53;

// Set while AddSorted fills an empty combo with items it has put in order itself.
bool fillingInOrder = false;

QString SortKey(const QString& text) { return text.toCaseFolded(); }

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// SortKey(a) < SortKey(b), without making the keys where both texts are ASCII, whose letters
// fold to lower case and nothing else.
bool FoldedLess(const QString& a, const QString& b) {
    if (!IsAscii(a) || !IsAscii(b)) return SortKey(a) < SortKey(b);
    const auto lower = [](QChar c) {
        const char16_t unit = c.unicode();
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + (u'a' - u'A')) : unit;
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](QChar x, QChar y) { return lower(x) < lower(y); });
}

QString SortKeyOfRow(const QStandardItemModel& model, int row) {
    return SortKey(model.index(row, 0).data(Qt::DisplayRole).toString());
}

// Whether the rows from first to last, and their neighbours, already stand where a stable sort
// would leave them.
bool InOrder(const QStandardItemModel& model, int first, int last) {
    const int from = std::max(first - 1, 0);
    const int to = std::min(last + 1, model.rowCount() - 1);
    QString previous = SortKeyOfRow(model, from);
    for (int row = from + 1; row <= to; ++row) {
        QString key = SortKeyOfRow(model, row);
        if (key < previous) return false;
        previous = std::move(key);
    }
    return true;
}

// Moves the one row out of place to where a stable sort would put it; the other rows are in
// order. Among equal keys it stays behind the rows that stood before it.
void MoveIntoPlace(QStandardItemModel& model, int row) {
    const QString key = SortKeyOfRow(model, row);
    int low = 0;
    int high = model.rowCount() - 1;  // positions among the other rows
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const int other = middle < row ? middle : middle + 1;
        const QString otherKey = SortKeyOfRow(model, other);
        const bool before = otherKey < key || (otherKey == key && other < row);
        if (before) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low == row) return;
    model.insertRow(low, model.takeRow(row));
}

void SortWhole(QStandardItemModel& model) {
    {
        // The key is no text anyone shows: nothing needs to hear of it.
        const QSignalBlocker quiet(&model);
        for (int row = 0; row < model.rowCount(); ++row) {
            model.setData(model.index(row, 0), SortKeyOfRow(model, row), kSortKeyRole);
        }
    }
    model.sort(0);
}

}  // namespace

void KeepSorted(QComboBox* combo) {
    auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    if (model == nullptr) return;
    model->setSortRole(kSortKeyRole);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, combo,
                     [model](const QModelIndex& parent, int first, int last) {
                         if (fillingInOrder || parent.isValid() || InOrder(*model, first, last))
                             return;
                         if (first == last) {
                             MoveIntoPlace(*model, first);
                         } else {
                             SortWhole(*model);
                         }
                     });
}

std::vector<qsizetype> AddSorted(QComboBox* combo, const QStringList& items) {
    std::vector<qsizetype> order(static_cast<std::size_t>(items.size()));
    std::iota(order.begin(), order.end(), qsizetype{0});
    // Items that come in order already (as listings mostly do) are added as they are.
    const bool inOrder =
        std::is_sorted(items.begin(), items.end(),
                       [](const QString& a, const QString& b) { return FoldedLess(a, b); });
    QStringList sorted;
    if (!inOrder) {
        std::vector<std::pair<QString, qsizetype>> keyed;
        keyed.reserve(order.size());
        for (qsizetype i = 0; i < items.size(); ++i) keyed.emplace_back(SortKey(items[i]), i);
        // The index breaks ties, so equal keys keep the given order, as in a stable sort.
        std::sort(keyed.begin(), keyed.end());
        sorted.reserve(items.size());
        for (std::size_t i = 0; i < keyed.size(); ++i) {
            sorted.append(items[keyed[i].second]);
            order[i] = keyed[i].second;
        }
    }
    fillingInOrder = combo->count() == 0;
    combo->addItems(inOrder ? items : sorted);
    fillingInOrder = false;
    return order;
}

}  // namespace kelvrin
