#include "platform/how_it_works/panes/watch_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/how_it_works/panes/plot_cell.h"
#include "platform/how_it_works/panes/plot_column.h"
#include "platform/how_it_works/panes/plot_painter.h"
#include "platform/how_it_works/panes/time_span.h"
#include "platform/how_it_works/panes/truth_choice.h"

namespace forms {

WatchView::WatchView(WatchList& watch, QWidget* parent)
    : RowsView(nullptr, QStringLiteral("Watch"), parent),
      plots_(new PlotColumn(
          &watch, [&watch](int row) { return watch.what(row).where.target(); }, this)),
      filter_(new EffectFilter(plots_, this)) {
    setModel(filter_);  // an entry joins an effect as its handlers change it
    // Each value's plot, shown beside the value; the model's columns keep their order.
    setItemDelegateForColumn(plots_->plotColumn(), new PlotCell(*plots_, this));
    header()->moveSection(plots_->plotColumn(), WatchList::AuthorColumn);
    // Narrow enough that the plot shows beside the value in the window's first shape.
    setColumnWidth(plots_->plotColumn(), 120);
    setColumnWidth(WatchList::NameColumn, 140);
    setColumnWidth(WatchList::ValueColumn, 70);
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
                if (current.isValid()) chosen(filter_->mapToSource(current).row());
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
        !plots_->timeSpan())
        return;
    const QRect area = plotArea(visualRect(cell));
    plotClicked_(plots_->timeSpan()->timeAt(at.x() - area.left(), area.width()));
}

}  // namespace forms
