#include "platform/how_it_works/watch_list.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <algorithm>

namespace forms {

void WatchList::changed(const QString& what, const QString& value, int part, qint64 now) {
    auto it = byName_.constFind(what);
    if (it == byName_.constEnd()) {
        it = byName_.insert(what, entries_.size());
        entries_.push_back({what, {}, {}, now});
    }
    Entry& entry = entries_[*it];
    entry.value = value;
    entry.changedAt = now;
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
    isShown_.clear();
    endResetModel();
}

bool WatchList::refresh(qint64 now) {
    now_ = now;
    // A row once shown stays: entries only ever join the part shown.
    std::vector<std::size_t> joining;
    isShown_.resize(entries_.size(), false);
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (!isShown_[i] && inPart(entries_[i])) joining.push_back(i);
    for (std::size_t i : joining) isShown_[i] = true;
    if (!shown_.empty())
        emit dataChanged(index(0, 0), index(static_cast<int>(shown_.size()) - 1, ColumnCount - 1));
    if (!joining.empty()) {
        const int first = static_cast<int>(shown_.size());
        beginInsertRows({}, first, first + static_cast<int>(joining.size()) - 1);
        shown_.insert(shown_.end(), joining.begin(), joining.end());
        endInsertRows();
    }
    return std::any_of(shown_.begin(), shown_.end(),
                       [this](std::size_t i) { return marked(entries_[i]); });
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
            return index.column() == NameColumn ? entry.what : entry.value;
        case Qt::BackgroundRole:
            return marked(entry) ? QBrush(QColor(0xFF, 0xF0, 0x9E)) : QVariant();
        case Qt::FontRole: {
            if (!marked(entry)) return {};
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
