#include "platform/how_it_works/event_log.h"

#include <QBrush>
#include <QColor>

#include "platform/properties/watch.h"

namespace forms {

namespace {

// "cmdScroll_Click" raises on Click, "Timer3_Timer" on Timer: the event is the name's last part.
QString eventName(const QString& handler) {
    return handler.mid(handler.lastIndexOf(QLatin1Char('_')) + 1);
}

bool repeats(const QString& event) {
    return event == QLatin1String("Timer") || event == QLatin1String("MouseMove");
}

QString key(const QString& form, const QString& handler, int index) {
    return form + QLatin1Char('.') + handler + QLatin1Char('(') + QString::number(index) +
           QLatin1Char(')');
}

QString key(const HandlerRun& run) {
    return key(run.form, run.handler, run.index);
}

QString keyOf(const EventLog::Row& row) {
    return key(row.form, row.handler, row.index);
}

}  // namespace

void EventLog::begin(const HandlerRun& run, int part) {
    const QString event = eventName(run.handler);
    const QString runKey = key(run);
    const qint64 last = dropped_ + static_cast<qint64>(rows_.size()) - 1;
    if (!rows_.empty() && keyOf(rows_.back()) == runKey) {
        open_ = last;
    } else if (const auto it = repeating_.constFind(runKey);
               repeats(event) && it != repeating_.constEnd() && *it >= dropped_) {
        open_ = *it;
    }
    if (open_ >= 0) {
        Row& row = rows_[static_cast<std::size_t>(open_ - dropped_)];
        row.time = run.time;
        ++row.count;
        return;
    }
    if (!repeats(event)) repeating_.clear();
    append({run.time, run.form, run.handler, run.index, part, 1, {}, {}});
    open_ = dropped_ + static_cast<qint64>(rows_.size()) - 1;
    if (repeats(event)) repeating_.insert(runKey, open_);
}

EventLog::Row* EventLog::open() {
    if (open_ < dropped_) return nullptr;
    return &rows_[static_cast<std::size_t>(open_ - dropped_)];
}

void EventLog::change(const QString& what, const QString& from, const QString& to) {
    Row* row = open();
    if (!row) return;
    for (Change& c : row->changes) {
        if (c.what != what) continue;
        c.from = from;
        c.to = to;
        return;
    }
    row->changes.push_back({what, from, to});
}

void EventLog::fail(int number, const QString& description) {
    if (Row* row = open())
        row->error = QStringLiteral("Run-time error %1: %2").arg(number).arg(description);
}

void EventLog::end() {
    if (open_ < dropped_) return;
    const int place = static_cast<int>(open_ - dropped_);
    open_ = -1;
    emit dataChanged(index(place, 0), index(place, ColumnCount - 1));
}

void EventLog::append(Row row) {
    if (rows_.size() >= kMostRows) dropOldest();
    const int place = static_cast<int>(rows_.size());
    beginInsertRows({}, place, place);
    rows_.push_back(std::move(row));
    endInsertRows();
}

void EventLog::dropOldest() {
    beginRemoveRows({}, 0, 0);
    rows_.pop_front();
    ++dropped_;
    endRemoveRows();
}

QString EventLog::eventOf(const Row& row) {
    return eventName(row.handler);
}

QString EventLog::handlerOf(const Row& row) {
    QString text = row.form + QLatin1Char('.') + row.handler;
    if (row.index >= 0) text += QStringLiteral("(%1)").arg(row.index);
    if (row.count > 1) text += QStringLiteral(" \u00d7%1").arg(row.count);
    return text;
}

QString EventLog::changesOf(const Row& row) {
    QStringList parts;
    for (const Change& c : row.changes)
        parts << QStringLiteral("%1: %2 \u2192 %3").arg(c.what, c.from, c.to);
    if (!row.error.isEmpty()) parts << row.error;
    return parts.join(QStringLiteral("; "));
}

int EventLog::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int EventLog::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventLog::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Row& r = row(index.row());
    if (role == kPartRole) return r.part;
    if (role == Qt::ForegroundRole && !r.error.isEmpty()) return QBrush(QColor(0xB0, 0, 0));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case TimeColumn:
            return QString::number(static_cast<double>(r.time) / 1000.0, 'f', 3);
        case EventColumn:
            return eventOf(r);
        case HandlerColumn:
            return handlerOf(r);
        default:
            return changesOf(r);
    }
}

QVariant EventLog::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitles[] = {"Time", "Event", "Handler", "Changes"};
    return QString::fromLatin1(kTitles[section]);
}

}  // namespace forms
