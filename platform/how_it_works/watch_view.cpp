#include "platform/how_it_works/watch_view.h"

namespace forms {

WatchView::WatchView(WatchList& watch, QWidget* parent)
    : RowsView(nullptr, QStringLiteral("Watch"), parent), filter_(new EffectFilter(&watch, this)) {
    setModel(filter_);  // an entry joins an effect as its handlers change it
    setColumnWidth(WatchList::NameColumn, 170);
    setColumnWidth(WatchList::ValueColumn, 120);
}

void WatchView::onEntryChosen(std::function<void(int)> chosen) {
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, chosen = std::move(chosen)](const QModelIndex& current) {
                if (current.isValid()) chosen(filter_->mapToSource(current).row());
            });
}

}  // namespace forms
