#include "platform/how_it_works/records/effect_filter.h"

namespace forms {

EffectFilter::EffectFilter(QAbstractItemModel* rows, QObject* parent)
    : QSortFilterProxyModel(parent) {
    setSourceModel(rows);
}

void EffectFilter::showEffect(int effect) {
    if (effect == effect_) return;
    effect_ = effect;
    invalidateRowsFilter();
}

bool EffectFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
    if (effect_ < 0) return true;
    const QVariant effects = sourceModel()->index(row, 0, parent).data(kEffectsRole);
    return effects.value<QList<int>>().contains(effect_);
}

}  // namespace forms
