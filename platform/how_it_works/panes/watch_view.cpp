#include "platform/how_it_works/panes/watch_view.h"

#include <QKeyEvent>

#include "platform/how_it_works/panes/truth_choice.h"

namespace forms {

WatchView::WatchView(WatchList& watch, QWidget* parent)
    : RowsView(nullptr, QStringLiteral("Watch"), parent), filter_(new EffectFilter(&watch, this)) {
    setModel(filter_);  // an entry joins an effect as its handlers change it
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
                if (current.isValid()) chosen(filter_->mapToSource(current).row());
            });
}

}  // namespace forms
