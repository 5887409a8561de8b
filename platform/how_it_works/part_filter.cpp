#include "platform/how_it_works/part_filter.h"

namespace forms {

PartFilter::PartFilter(QAbstractItemModel* rows, QObject* parent) : QSortFilterProxyModel(parent) {
    setSourceModel(rows);
}

void PartFilter::showPart(int part) {
    if (part == part_) return;
    part_ = part;
    invalidateRowsFilter();
}

bool PartFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
    if (part_ < 0) return true;
    const QVariant parts = sourceModel()->index(row, 0, parent).data(kPartsRole);
    return parts.value<QList<int>>().contains(part_);
}

}  // namespace forms
