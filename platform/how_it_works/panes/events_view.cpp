#include "platform/how_it_works/panes/events_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
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
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { chosenChange_ = -1; });
    cellPainter().markWith([this](const QModelIndex& cell) { return chosenSpan(cell); });
}

void EventsView::keyPressEvent(QKeyEvent* event) {
    const EventLog::Row* row = currentRow();
    const int step = event->key() == Qt::Key_Right ? 1 : event->key() == Qt::Key_Left ? -1 : 0;
    if (!row || row->changes.empty() || step == 0 || event->modifiers() != Qt::NoModifier)
        return RowsView::keyPressEvent(event);
    const int count = static_cast<int>(row->changes.size());
    chooseChange(chosenChange_ < 0 ? (step > 0 ? 0 : count - 1)
                                   : (chosenChange_ + step + count) % count);
}

void EventsView::mouseReleaseEvent(QMouseEvent* event) {
    RowsView::mouseReleaseEvent(event);
    const QModelIndex cell = indexAt(event->position().toPoint());
    const EventLog::Row* row = currentRow();
    if (!row || cell.column() != EventLog::ChangesColumn || cell.row() != currentIndex().row())
        return;
    if (const int change = changeAt(*row, event->position().toPoint().x()); change >= 0)
        chooseChange(change);
}

// The change whose text lies under x in the Changes column, as the cell draws it; -1 for none.
int EventsView::changeAt(const EventLog::Row& row, int x) const {
    const QRect cell = visualRect(currentIndex().siblingAtColumn(EventLog::ChangesColumn));
    const QFontMetrics metrics(font());
    int left = cell.left() + style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int separator = metrics.horizontalAdvance(EventLog::changeSeparator());
    for (std::size_t i = 0; i < row.changes.size(); ++i) {
        left += metrics.horizontalAdvance(EventLog::changeText(row.changes[i])) + separator;
        if (x < left) return static_cast<int>(i);
    }
    return -1;
}

void EventsView::chooseChange(int change) {
    chosenChange_ = change;
    viewport()->update(visualRect(currentIndex().siblingAtColumn(EventLog::ChangesColumn)));
    if (const EventLog::Row* row = currentRow()) {
        setAccessibleDescription(EventLog::changeText(row->changes[change]));
        changeChosen_(*row, change);
    }
}

// Where the chosen change stands in the text of the current row's Changes cell, as the log
// writes it: after the row's note and the changes before it.
std::optional<CellPainter::Span> EventsView::chosenSpan(const QModelIndex& cell) const {
    if (chosenChange_ < 0 || cell.column() != EventLog::ChangesColumn ||
        cell.row() != currentIndex().row())
        return std::nullopt;
    const EventLog::Row* row = currentRow();
    const auto chosen = static_cast<std::size_t>(chosenChange_);
    if (!row || chosen >= row->changes.size()) return std::nullopt;
    const qsizetype separator = EventLog::changeSeparator().size();
    qsizetype from = row->note.isEmpty() ? 0 : row->note.size() + separator;
    for (std::size_t i = 0; i < chosen; ++i)
        from += EventLog::changeText(row->changes[i]).size() + separator;
    return CellPainter::Span{from, EventLog::changeText(row->changes[chosen]).size()};
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
                chosenChange_ = -1;
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
