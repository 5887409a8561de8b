#include "platform/how_it_works/records/watch_list.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <utility>

#include "platform/how_it_works/records/effect_filter.h"
#include "platform/how_it_works/records/typed_value.h"
#include "platform/properties/place.h"

namespace forms {

std::optional<Author> WatchList::changed(const Watched& what, const WatchedValue& value,
                                         const Author& author, int effect, qint64 now) {
    const auto [place, first] = entryOf(what, now);
    Entry& entry = entries_[place];
    const std::optional<Author> before = first ? std::nullopt : authorOf(entry);
    entry.value = value;
    entry.author = author;
    entry.changedYet = true;
    entry.changedAt = now;
    entry.fresh = true;
    if (!entry.effects.contains(effect)) entry.effects.push_back(effect);
    return before;
}

std::pair<std::size_t, bool> WatchList::entryOf(const Watched& what, qint64 now) {
    const void* place = what.where.target();
    if (const auto known = byPlace_.constFind(place); place && known != byPlace_.cend())
        return {*known, false};
    auto it = byName_.constFind(what);
    const bool first = it == byName_.constEnd();
    if (first) {
        it = byName_.insert(what, entries_.size());
        entries_.push_back({what, {}, {}, {}, now});
    }
    if (place) byPlace_.insert(place, *it);
    return {*it, first};
}

std::optional<Author> WatchList::authorOf(const Watched& what) const {
    const auto it = byName_.constFind(what);
    if (it == byName_.constEnd()) return std::nullopt;
    return authorOf(entries_[*it]);
}

void WatchList::restored(const Watched& what, const WatchedValue& value,
                         const std::optional<Author>& author, qint64 now) {
    const auto it = byName_.constFind(what);
    if (it == byName_.constEnd()) return;
    Entry& entry = entries_[*it];
    entry.value = value;
    entry.changedYet = author.has_value();
    if (author) entry.author = *author;
    entry.changedAt = now;
    entry.fresh = true;
}

void WatchList::showValue(const Watched& what, const WatchedValue& value, qint64 now) {
    const auto it = byName_.constFind(what);
    if (it == byName_.constEnd()) return;
    Entry& entry = entries_[*it];
    entry.value = value;
    entry.changedAt = now;
    entry.fresh = true;
}

void WatchList::readAgain(qint64 now) {
    for (Entry& entry : entries_) {
        if (!entry.what.where.target()) continue;
        WatchedValue value = entry.what.where.read();
        if (value == entry.value) continue;
        entry.value = std::move(value);
        entry.author = {Place::By::Code, -1, 0, true};
        entry.changedYet = true;
        entry.changedAt = now;
        entry.fresh = true;
    }
}

bool WatchList::pausesOn(const Watched& what) const {
    if (pausing_ == 0) return false;  // no lookup per change while nothing is marked
    const auto it = byName_.constFind(what);
    return it != byName_.constEnd() && entries_[*it].pauses;
}

void WatchList::clearPauses() {
    for (Entry& entry : entries_) {
        if (!std::exchange(entry.pauses, false)) continue;
        --pausing_;
        entry.fresh = entry.wholeRow = true;
    }
}

void WatchList::forgetWriteBacks() {
    for (Entry& entry : entries_) entry.what.where = {};
    byPlace_.clear();  // another form's values may come to live there
}

bool WatchList::refresh(qint64 now) {
    now_ = now;
    tellChangedRows();
    addNewRows();
    for (int row = 0; row < rows_; ++row)
        if (entries_[static_cast<std::size_t>(row)].markShown) return true;
    return false;
}

// A signal for each run of rows whose value, mark or effects changed: from the value on, or
// the whole row where a mark came or went.
void WatchList::tellChangedRows() {
    int first = -1;
    int fromColumn = ValueColumn;
    for (int row = 0; row <= rows_; ++row) {
        const int changed = row < rows_ ? takeChange(entries_[static_cast<std::size_t>(row)]) : -1;
        if (changed >= 0) {
            if (first < 0) first = row;
            fromColumn = std::min(fromColumn, changed);
            continue;
        }
        if (first < 0) continue;
        emit dataChanged(index(first, fromColumn), index(row - 1, ColumnCount - 1));
        first = -1;
        fromColumn = ValueColumn;
    }
}

int WatchList::takeChange(Entry& entry) {
    const bool mark = marked(entry);
    const bool whole = mark != entry.markShown || std::exchange(entry.wholeRow, false);
    if (!entry.fresh && !whole) return -1;
    entry.fresh = false;
    entry.markShown = mark;
    return whole ? NameColumn : ValueColumn;
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

Qt::ItemFlags WatchList::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid()) return flags;
    const Entry& entry = entries_[static_cast<std::size_t>(index.row())];
    if (index.column() == NameColumn) flags |= Qt::ItemIsUserCheckable;
    if (index.column() == ValueColumn && whyReadOnly(entry).isEmpty()) flags |= Qt::ItemIsEditable;
    return flags;
}

bool WatchList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid()) return false;
    Entry& entry = entries_[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() == NameColumn) {
        const bool pauses = value.toInt() == Qt::Checked;
        if (std::exchange(entry.pauses, pauses) == pauses) return true;
        pausing_ += pauses ? 1 : -1;
        emit dataChanged(index, index);
        return true;
    }
    if (role == Qt::EditRole && index.column() == ValueColumn)
        return tryValue(entry, value.toString());
    return false;
}

// A value typed: read as the value's own type, checked by what it goes into, and written there
// through the same setter the code uses; or refused with why, and nothing changed.
bool WatchList::tryValue(Entry& entry, const QString& typed) {
    if (!whyReadOnly(entry).isEmpty()) return false;
    TypedValue read = readTyped(typed, entry.value);
    if (read.refusal.isEmpty()) read.refusal = entry.what.where.refusal(read.value);
    if (!read.refusal.isEmpty()) {
        // What it holds now, read from it: the entry may show an earlier frame's value.
        refused_(QStringLiteral("%1 stays %2: %3")
                     .arg(entry.what.text(), valueText(entry.what.where.read()), read.refusal));
        return false;
    }
    refused_(QString());
    const WriteBack where = entry.what.where;  // the entry may move while the value is written
    where.write(read.value, Place::of(Place::By::You));
    return true;
}

QString WatchList::whyReadOnly(const Entry& entry) const {
    if (const QString why = notTypable(entry.value); !why.isEmpty()) return why;
    if (!entry.what.where.target())
        return QStringLiteral("Its form is gone, so it cannot be written to.");
    return {};
}

QVariant WatchList::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Entry& entry = entries_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::CheckStateRole:
            if (index.column() != NameColumn) return {};
            return entry.pauses ? Qt::Checked : Qt::Unchecked;
        case Qt::EditRole:
            return index.column() == ValueColumn ? editText(entry.value) : QVariant();
        case Qt::ToolTipRole:
            if (index.column() == ValueColumn) {
                const QString why = whyReadOnly(entry);
                return why.isEmpty() ? valueText(entry.value) + QStringLiteral(" (F2 to change)")
                                     : valueText(entry.value) + QStringLiteral(": ") + why;
            }
            if (index.column() == NameColumn)
                return entry.what.text() + QStringLiteral(" (checked: pause when it changes)");
            [[fallthrough]];
        case Qt::DisplayRole:
            switch (index.column()) {
                case NameColumn:
                    return entry.what.text();
                case ValueColumn:
                    return valueText(entry.value);
                default:
                    return entry.changedYet ? entry.author.text()
                                            : QStringLiteral("not changed yet");
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
