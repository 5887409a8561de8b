#include "platform/how_it_works/panes/plot_column.h"

#include "platform/how_it_works/panes/time_span.h"

namespace forms {

PlotColumn::PlotColumn(QAbstractItemModel* entries, TargetOf targetOf, QObject* parent)
    : QIdentityProxyModel(parent), targetOf_(std::move(targetOf)) {
    setSourceModel(entries);
}

void PlotColumn::show(const History& history, const TimeSpan& span) {
    history_ = &history;
    span_ = &span;
    shownChanged();
}

// The entries' model goes before the views do, as the window is taken down.
int PlotColumn::plotColumn() const {
    return sourceModel() ? sourceModel()->columnCount() : 0;
}

const ValuePlot& PlotColumn::plotOf(int row, int width) const {
    static const ValuePlot nothing;
    const void* target = targetOf_(row);
    if (!history_ || !target) return nothing;
    lastWidth_ = width;
    auto built = built_.find(target);
    if (built == built_.end() || built->width != width)
        built = built_.insert(target, {width, forms::plotOf(*history_, target, *span_, width)});
    return built->plot;
}

void PlotColumn::shownChanged() {
    built_.clear();
    if (const int rows = rowCount(); rows > 0)
        dataChanged(index(0, plotColumn()), index(rows - 1, plotColumn()));
}

int PlotColumn::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : plotColumn() + 1;
}

int PlotColumn::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !sourceModel() ? 0 : sourceModel()->rowCount();
}

bool PlotColumn::hasChildren(const QModelIndex& parent) const {
    return !parent.isValid() && rowCount() > 0;
}

QModelIndex PlotColumn::index(int row, int column, const QModelIndex& parent) const {
    if (column != plotColumn()) return QIdentityProxyModel::index(row, column, parent);
    return !parent.isValid() && row >= 0 && row < rowCount() ? createIndex(row, column)
                                                             : QModelIndex();
}

QModelIndex PlotColumn::parent(const QModelIndex& /*child*/) const {
    return {};
}

QModelIndex PlotColumn::sibling(int row, int column, const QModelIndex& /*index*/) const {
    return index(row, column);
}

QModelIndex PlotColumn::mapToSource(const QModelIndex& index) const {
    if (index.column() == plotColumn()) return {};
    return QIdentityProxyModel::mapToSource(index);
}

QVariant PlotColumn::data(const QModelIndex& index, int role) const {
    if (index.column() != plotColumn()) return QIdentityProxyModel::data(index, role);
    switch (role) {
        case Qt::AccessibleTextRole:
        case Qt::AccessibleDescriptionRole:
        case Qt::ToolTipRole:
            return history_ ? plotOf(index.row(), lastWidth_).words() : QVariant();
        default:
            return {};
    }
}

QVariant PlotColumn::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == plotColumn() && role == Qt::DisplayRole)
        return QStringLiteral("Over time");
    return QIdentityProxyModel::headerData(section, orientation, role);
}

Qt::ItemFlags PlotColumn::flags(const QModelIndex& index) const {
    if (index.column() != plotColumn()) return QIdentityProxyModel::flags(index);
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace forms
