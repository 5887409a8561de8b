#include "platform/how_it_works/events_view.h"

#include <QScrollBar>
#include <utility>

namespace forms {

EventsView::EventsView(EventLog& log, QWidget* parent)
    : RowsView(nullptr, QStringLiteral("Events"), parent),
      log_(log),
      filter_(new EffectFilter(&log, this)) {
    filter_->setDynamicSortFilter(false);  // a row's effect never changes: no filtering again
    setModel(filter_);
    setColumnWidth(EventLog::TimeColumn, 70);
    setColumnWidth(EventLog::EventColumn, 80);
    setColumnWidth(EventLog::HandlerColumn, 230);
    connect(filter_, &QAbstractItemModel::rowsInserted, this, [this] {
        toEnd_ = toEnd_ || verticalScrollBar()->value() >= verticalScrollBar()->maximum() - 1;
    });
}

void EventsView::choose(int place) {
    if (place < 0) return;
    const QModelIndex row = filter_->mapFromSource(log_.index(place, 0));
    if (!row.isValid()) return;
    setCurrentIndex(row);
    scrollTo(row);
}

void EventsView::showNewRows() {
    if (std::exchange(toEnd_, false)) scrollToBottom();
}

void EventsView::onRowChosen(std::function<void(const EventLog::Row&)> chosen) {
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, chosen = std::move(chosen)](const QModelIndex& current) {
                if (const EventLog::Row* row = current.isValid() ? currentRow() : nullptr)
                    chosen(*row);
            });
}

const EventLog::Row* EventsView::currentRow() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return nullptr;
    return &log_.row(filter_->mapToSource(current).row());
}

}  // namespace forms
