#include "ui/ListRows.h"

#include <QListWidget>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "ui/WindowText.h"

namespace kelvrin {

namespace {

// So many of the longest names are measured for the list's width.
constexpr std::size_t kMeasuredNames = 8;

// With uniform row sizes the list takes every row's width from one sample row (the last, in
// Qt 6), and would cut longer names instead of scrolling sideways. The first and the last row
// are given the width of the widest names; only the few longest by character count are
// measured, so thousands fill at once.
void FitRowsToWidestNames(QListWidget& list, const std::vector<std::string>& rows) {
    if (rows.empty()) return;
    std::vector<int> longest(rows.size());
    std::iota(longest.begin(), longest.end(), 0);
    const auto measured =
        longest.begin() + static_cast<std::ptrdiff_t>(std::min(kMeasuredNames, rows.size()));
    std::partial_sort(longest.begin(), measured, longest.end(), [&rows](int a, int b) {
        return rows[static_cast<std::size_t>(a)].size() > rows[static_cast<std::size_t>(b)].size();
    });
    const QAbstractItemModel& model = *list.model();
    QSize widest = list.sizeHintForIndex(model.index(0, 0));
    for (auto row = longest.begin(); row != measured; ++row) {
        widest.setWidth(
            std::max(widest.width(), list.sizeHintForIndex(model.index(*row, 0)).width()));
    }
    list.item(0)->setSizeHint(widest);
    list.item(list.count() - 1)->setSizeHint(widest);
}

}  // namespace

void FillList(QListWidget& list, const std::vector<std::string>& rows) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows) texts.append(NameText(row));
    list.clear();
    list.addItems(texts);
    if (list.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        FitRowsToWidestNames(list, rows);
}

}  // namespace kelvrin
