#include "platform/how_it_works/panes/watch_view.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/how_it_works/panes/plot_cell.h"
#include "platform/how_it_works/panes/plot_column.h"
#include "platform/how_it_works/panes/plot_painter.h"
#include "platform/how_it_works/panes/time_span.h"
#include "platform/how_it_works/panes/truth_choice.h"

namespace forms {

WatchView::WatchView(WatchList& watch, QWidget* parent)
    : RowsView(nullptr, QStringLiteral("Watch"), parent), filter_(new EffectFilter(&watch, this)) {
    // An entry joins an effect as its handlers change it; its plot is a column beside it.
    plots_ = new PlotColumn(
        filter_,
        [this, &watch](int row) {
            const QModelIndex entry = filter_->mapToSource(filter_->index(row, 0));
            return entry.isValid() ? watch.what(entry.row()).where.target() : nullptr;
        },
        this);
    setModel(plots_);
    setItemDelegateForColumn(plots_->plotColumn(), new PlotCell(*plots_, this));
    setColumnWidth(WatchList::NameColumn, 170);
    setColumnWidth(WatchList::ValueColumn, 120);
    // A value is typed in place, or True and False chosen: F2, or a double click.
    setItemDelegateForColumn(WatchList::ValueColumn, new TruthChoice(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

void WatchView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex name = currentIndex().siblingAtColumn(WatchList::NameColumn);
    if (event->key() != Qt::Key_Space || !name.isValid() || state() == EditingState)
        return RowsView::keyPressEvent(event);
    const bool checked = name.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    model()->setData(name, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void WatchView::onEntryChosen(std::function<void(int)> chosen) {
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, chosen = std::move(chosen)](const QModelIndex& current) {
                const QModelIndex entry = plots_->mapToSource(current.siblingAtColumn(0));
                if (entry.isValid()) chosen(filter_->mapToSource(entry).row());
            });
}

void WatchView::showPlots(const History& history, const TimeSpan& span) {
    plots_->show(history, span);
}

void WatchView::plotsMoved() {
    plots_->shownChanged();
}

void WatchView::mousePressEvent(QMouseEvent* event) {
    RowsView::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    const QModelIndex cell = indexAt(at);
    if (event->button() != Qt::LeftButton || cell.column() != plots_->plotColumn() ||
        !plots_->span())
        return;
    const QRect area = plotArea(visualRect(cell));
    plotClicked_(plots_->span()->timeAt(at.x() - area.left(), area.width()));
}

}  // namespace forms
