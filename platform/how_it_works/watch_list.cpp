#include "platform/how_it_works/watch_list.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include "platform/how_it_works/effect_filter.h"

namespace forms {

void WatchList::changed(const Watched& what, const WatchedValue& value, const Author& author,
                        int effect, qint64 now) {
    auto it = byName_.constFind(what);
    if (it == byName_.constEnd()) {
        it = byName_.insert(what, entries_.size());
        entries_.push_back({what, {}, {}, {}, now});
    }
    Entry& entry = entries_[*it];
    entry.value = value;
    entry.author = author;
    entry.changedAt = now;
    entry.fresh = true;
    if (!entry.effects.contains(effect)) entry.effects.push_back(effect);
}

bool WatchList::refresh(qint64 now) {
    now_ = now;
    tellChangedRows();
    addNewRows();
    for (int row = 0; row < rows_; ++row)
        if (entries_[static_cast<std::size_t>(row)].markShown) return true;
    return false;
}

// A signal for each run of rows whose value, mark or effects changed.
void WatchList::tellChangedRows() {
    int first = -1;
    for (int row = 0; row <= rows_; ++row) {
        const bool changed = row < rows_ && takeChange(entries_[static_cast<std::size_t>(row)]);
        if (changed && first < 0) first = row;
        if (changed || first < 0) continue;
        emit dataChanged(index(first, 0), index(row - 1, ColumnCount - 1));
        first = -1;
    }
}

bool WatchList::takeChange(Entry& entry) {
    const bool mark = marked(entry);
    if (!entry.fresh && mark == entry.markShown) return false;
    entry.fresh = false;
    entry.markShown = mark;
    return true;
}

void WatchList::addNewRows() {
    const int rows = static_cast<int>(entries_.size());
    if (rows == rows_) return;
    beginInsertRows({}, rows_, rows - 1);
    for (int row = rows_; row < rows; ++row) takeChange(entries_[static_cast<std::size_t>(row)]);
    rows_ = rows;
    endInsertRows();
}

int WatchList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int WatchList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WatchList::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Entry& entry = entries_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            switch (index.column()) {
                case NameColumn:
                    return entry.what.text();
                case ValueColumn:
                    return valueText(entry.value);
                default:
                    return entry.author.text();
            }
        case EffectFilter::kEffectsRole:
            return QVariant::fromValue(entry.effects);
        case Qt::BackgroundRole: {
            if (!entry.markShown) return {};
            QColor mark = QGuiApplication::palette().color(QPalette::Highlight);
            mark.setAlpha(80);  // over the view's own background, light or dark
            return QBrush(mark);
        }
        case Qt::FontRole: {
            if (!entry.markShown) return {};
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        default:
            return {};
    }
}

QVariant WatchList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitles[] = {"Name", "Value", "Changed by"};
    return QString::fromLatin1(kTitles[section]);
}

}  // namespace forms
