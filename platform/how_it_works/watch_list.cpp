#include "platform/how_it_works/watch_list.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <algorithm>

namespace forms {

void WatchList::changed(const Watched& what, const WatchedValue& value, int part, qint64 now) {
    auto it = byName_.constFind(what);
    if (it == byName_.constEnd()) {
        it = byName_.insert(what, entries_.size());
        entries_.push_back({what, {}, {}, now});
    }
    Entry& entry = entries_[*it];
    entry.value = value;
    entry.changedAt = now;
    entry.fresh = true;
    if (std::find(entry.parts.begin(), entry.parts.end(), part) == entry.parts.end())
        entry.parts.push_back(part);
}

bool WatchList::inPart(const Entry& entry) const {
    return part_ < 0 ||
           std::find(entry.parts.begin(), entry.parts.end(), part_) != entry.parts.end();
}

void WatchList::showPart(int part) {
    if (part == part_) return;
    beginResetModel();
    part_ = part;
    shown_.clear();
    for (Entry& entry : entries_) entry.row = -1;
    endResetModel();
}

bool WatchList::refresh(qint64 now) {
    now_ = now;
    tellChangedRows();
    addJoining();
    return std::any_of(shown_.begin(), shown_.end(),
                       [this](std::size_t i) { return entries_[i].markShown; });
}

// A signal for each run of rows shown whose value changed or whose mark came or went.
void WatchList::tellChangedRows() {
    int first = -1;
    const int rows = static_cast<int>(shown_.size());
    for (int row = 0; row <= rows; ++row) {
        const bool changed =
            row < rows && takeChange(entries_[shown_[static_cast<std::size_t>(row)]]);
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

// A row once shown stays: entries only ever join the part shown.
void WatchList::addJoining() {
    std::vector<std::size_t> joining;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].row < 0 && inPart(entries_[i])) joining.push_back(i);
    if (joining.empty()) return;
    const int first = static_cast<int>(shown_.size());
    beginInsertRows({}, first, first + static_cast<int>(joining.size()) - 1);
    for (std::size_t i : joining) {
        Entry& entry = entries_[i];
        entry.row = static_cast<int>(shown_.size());
        entry.fresh = false;
        entry.markShown = marked(entry);
        shown_.push_back(i);
    }
    endInsertRows();
}

int WatchList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int WatchList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WatchList::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Entry& entry = entries_[shown_[static_cast<std::size_t>(index.row())]];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return index.column() == NameColumn ? entry.what.text() : valueText(entry.value);
        case Qt::BackgroundRole:
            return entry.markShown ? QBrush(QColor(0xFF, 0xF0, 0x9E)) : QVariant();
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
    return section == NameColumn ? QStringLiteral("Name") : QStringLiteral("Value");
}

}  // namespace forms
