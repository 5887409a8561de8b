#include "platform/how_it_works/records/event_log.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <utility>

#include "platform/how_it_works/records/effect_filter.h"

namespace forms {

namespace {

// "cmdScroll_Click" raises on Click, "Timer3_Timer" on Timer: the event is the name's last part.
QStringView eventName(const QString& handler) {
    return QStringView(handler).mid(handler.lastIndexOf(QLatin1Char('_')) + 1);
}

QString secondsOf(qint64 ms) {
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 3);
}

// Whether a run is one more of the handler a row shows.
bool isRunOf(const HandlerRun& run, const EventLog::Row& row) {
    return row.index == run.index && row.handler == run.handler && row.form == run.form;
}

}  // namespace

bool EventLog::repeats(const QString& handler) {
    const QStringView event = eventName(handler);
    return event == QLatin1String("Timer") || event == QLatin1String("MouseMove");
}

void EventLog::begin(const HandlerRun& run, int effect, bool repeating) {
    if (!rows_.empty() && isRunOf(run, rows_.back())) {
        open_ = dropped_ + static_cast<qint64>(rows_.size()) - 1;
    } else if (repeating) {
        for (const qint64 number : repeating_)
            if (number >= dropped_ &&
                isRunOf(run, rows_[static_cast<std::size_t>(number - dropped_)]))
                open_ = number;
    }
    if (open_ >= 0) {
        touch(open_);
        Row& row = rows_[static_cast<std::size_t>(open_ - dropped_)];
        row.latest = run.time;
        ++row.count;
        return;
    }
    if (!repeating) repeating_.clear();
    append({run.time, run.time, run.form, run.handler, run.index, effect, 1, {}, {}, {}});
    open_ = dropped_ + static_cast<qint64>(rows_.size()) - 1;
    if (repeating) repeating_.push_back(open_);
}

EventLog::Row* EventLog::open() {
    if (open_ < dropped_) return nullptr;
    return &rows_[static_cast<std::size_t>(open_ - dropped_)];
}

void EventLog::change(const Watched& what, const WatchedValue& from, const WatchedValue& to,
                      const Author& author, qint64 time) {
    Row* row = open();
    qint64 number = open_;
    if (row) {
        touch(open_);
    } else {
        if (author.by == Place::By::Code) return;  // a handler's, begun before watching
        row = &rowBy(author.by, time);
        number = dropped_ + static_cast<qint64>(rows_.size()) - 1;
    }
    for (std::size_t entry = 0; entry < row->changes.size(); ++entry) {
        Change& c = row->changes[entry];
        if (c.what != what) continue;
        touch(number, static_cast<int>(entry));
        c.from = from;
        c.to = to;
        c.author = author;
        return;
    }
    row->changes.push_back({what, from, to, author});
}

void EventLog::loaded(const QString& form, qint64 time) {
    repeating_.clear();
    Row row;
    row.time = row.latest = time;
    row.form = form;
    row.by = Place::By::Runtime;
    row.note = QStringLiteral("%1 loaded").arg(form);
    append(std::move(row));
}

// The row of what the user, a control or the runtime changed outside any handler: the last
// row if it is one by them, else a new one.
EventLog::Row& EventLog::rowBy(Place::By by, qint64 time) {
    const qint64 last = dropped_ + static_cast<qint64>(rows_.size()) - 1;
    if (!rows_.empty() && rows_.back().handler.isEmpty() && rows_.back().by == by) touch(last);
    if (rows_.empty() || !rows_.back().handler.isEmpty() || rows_.back().by != by) {
        repeating_.clear();
        Row row;
        row.time = time;
        row.by = by;
        append(std::move(row));
    }
    noteChanged(dropped_ + static_cast<qint64>(rows_.size()) - 1);
    return rows_.back();
}

void EventLog::fail(int number, const QString& description) {
    if (Row* row = open()) {
        touch(open_);
        row->error = QStringLiteral("Run-time error %1: %2").arg(number).arg(description);
        recoloured_ = true;  // the whole row turns the colour of an error
    }
}

void EventLog::end() {
    if (open_ < dropped_) return;
    noteChanged(open_);
    open_ = -1;
}

// A row's time and event are set when it comes; later runs change only its count and changes.
bool EventLog::publish() {
    const qint64 first = std::max(changedFirst_, dropped_);
    const qint64 last = std::min(changedLast_, nextNumber() - 1);
    const int fromColumn = recoloured_ ? TimeColumn : HandlerColumn;
    std::vector<qint64> apart = std::exchange(changed_, {});
    changedFirst_ = 0, changedLast_ = -1;
    recoloured_ = false;
    if (first > last) return false;
    if (apart.size() > kMostChangedApart) {
        publishRows(first, last, fromColumn);
        return true;
    }
    std::ranges::sort(apart);
    for (auto from = apart.begin(); from != apart.end();) {
        auto to = from;
        while (std::next(to) != apart.end() && *std::next(to) == *to + 1) ++to;
        if (*to >= first && *from <= last)
            publishRows(std::max(*from, first), std::min(*to, last), fromColumn);
        from = std::next(to);
    }
    return true;
}

void EventLog::publishRows(qint64 first, qint64 last, int fromColumn) {
    emit dataChanged(index(static_cast<int>(first - dropped_), fromColumn),
                     index(static_cast<int>(last - dropped_), ColumnCount - 1));
}

void EventLog::touch(qint64 number, int entry) {
    if (beforeChange_)
        beforeChange_(number, rows_[static_cast<std::size_t>(number - dropped_)], entry);
}

const EventLog::Row* EventLog::rowNumbered(qint64 number) const {
    if (number < dropped_ || number >= nextNumber()) return nullptr;
    return &rows_[static_cast<std::size_t>(number - dropped_)];
}

int EventLog::placeOf(qint64 number) const {
    return rowNumbered(number) ? static_cast<int>(number - dropped_) : -1;
}

void EventLog::markChanged(qint64 number) {
    recoloured_ = true;  // undone or not: the whole row
    noteChanged(number);
}

void EventLog::noteChanged(qint64 number) {
    if (changedFirst_ > changedLast_) {
        changedFirst_ = changedLast_ = number;
    } else {
        changedFirst_ = std::min(changedFirst_, number);
        changedLast_ = std::max(changedLast_, number);
    }
    // Past a few rows apart, the range alone is kept.
    if (changed_.size() <= kMostChangedApart &&
        std::ranges::find(changed_, number) == changed_.end())
        changed_.push_back(number);
}

EventLog::Row* EventLog::editable(qint64 number) {
    if (!rowNumbered(number)) return nullptr;
    markChanged(number);
    return &rows_[static_cast<std::size_t>(number - dropped_)];
}

void EventLog::setUndone(qint64 number, bool undone) {
    if (!rowNumbered(number)) return;
    rows_[static_cast<std::size_t>(number - dropped_)].undone = undone;
    markChanged(number);
}

void EventLog::dropFrom(qint64 number) {
    number = std::max(number, dropped_);
    if (number >= nextNumber()) return;
    beginRemoveRows({}, static_cast<int>(number - dropped_), static_cast<int>(rows_.size()) - 1);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(number - dropped_), rows_.end());
    endRemoveRows();
    std::erase_if(repeating_, [number](qint64 row) { return row >= number; });
    if (open_ >= number) open_ = -1;
    changedLast_ = std::min(changedLast_, number - 1);
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

QString Author::text() const {
    if (unwatched) return QStringLiteral("while not watched");
    switch (by) {
        case Place::By::User:
            return QStringLiteral("by the user");
        case Place::By::Control:
            return QStringLiteral("by the control");
        case Place::By::Runtime:
            return QStringLiteral("by the runtime");
        case Place::By::You:
            return QStringLiteral("by you");
        case Place::By::Code:
            break;
    }
    return line > 0 ? QStringLiteral("line %1").arg(line) : QString();
}

QString EventLog::eventOf(const Row& row) {
    if (row.handler.isEmpty()) return Author{row.by}.text();
    return eventName(row.handler).toString();
}

QString EventLog::handlerOf(const Row& row) {
    if (row.handler.isEmpty()) return {};
    QString text = row.form + QLatin1Char('.') + row.handler;
    if (row.index >= 0) text += QStringLiteral("(%1)").arg(row.index);
    if (row.count > 1) text += QStringLiteral(" \u00d7%1").arg(row.count);
    return text;
}

QString EventLog::fullTextOf(const Row& row) {
    QString text = QStringLiteral("%1 at %2 s").arg(handlerOf(row), secondsOf(row.time));
    if (row.count > 1)
        text += QStringLiteral(", %1 runs, the latest at %2 s")
                    .arg(row.count)
                    .arg(secondsOf(row.latest));
    const QString changes = changesOf(row);
    if (!changes.isEmpty()) text += QStringLiteral(": ") + changes;
    if (row.undone) text += QStringLiteral(" (stepped back over)");
    return text;
}

// "cmdScroll_Click" with Index 1 answers "cmdScroll(1)".
QString EventLog::controlOf(const Row& row) {
    QString control = row.handler.left(row.handler.lastIndexOf(QLatin1Char('_')));
    if (control == QLatin1String("Form")) return {};
    if (row.index >= 0) control += QStringLiteral("(%1)").arg(row.index);
    return control;
}

QString EventLog::changeText(const Change& c) {
    QString change =
        QStringLiteral("%1: %2 \u2192 %3").arg(c.what.text(), valueText(c.from), valueText(c.to));
    if (const QString author = c.author.text(); !author.isEmpty())
        change += QStringLiteral(" (%1)").arg(author);
    return change;
}

QString EventLog::changesOf(const Row& row) {
    QStringList parts;
    if (!row.note.isEmpty()) parts << row.note;
    for (const Change& c : row.changes) parts << changeText(c);
    if (!row.error.isEmpty()) parts << row.error;
    return parts.join(changeSeparator());
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
    if (role == EffectFilter::kEffectsRole) return QVariant::fromValue(QList<int>{r.effect});
    if (role == Qt::ForegroundRole && r.undone)
        return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    if (role == Qt::ForegroundRole && !r.error.isEmpty()) return QBrush(QColor(0xB0, 0, 0));
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) return fullTextOf(r);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case TimeColumn:
            return secondsOf(r.time);
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
