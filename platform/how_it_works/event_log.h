#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <deque>
#include <vector>

#include "platform/properties/place.h"
#include "platform/properties/watch.h"

namespace forms {

// The handlers the program ran, a row each, with what each changed: the table a watcher of the
// program shows. Timer ticks and mouse moves repeat many times a second, so each such handler
// has one row until another kind of event comes (a click, say): its later runs are counted
// there (×100) and it shows the latest change of each property; it keeps the time of its first
// run, so that the rows read in time order, and tells its latest in its full text, the tooltip
// and accessible description of each of its cells. The oldest rows go beyond
// kMostRows. A new row shows at once; changes to rows already shown are collected and told to
// the views by publish(), once a frame, however fast the handlers run.
// Who made a change as the window shows it: a line of the program's code (its file in the code
// index, and its line there counted from 1; 0 where it cannot be told), or the user, the
// control itself or the runtime.
struct Author {
    Place::By by = Place::By::Code;
    int file = -1;
    int line = 0;

    // "line 30", "by the user"; empty for a line not known.
    QString text() const;
    bool operator==(const Author& other) const = default;
};

class EventLog final : public QAbstractTableModel {
  public:
    static constexpr int kMostRows = 10000;
    enum Column { TimeColumn, EventColumn, HandlerColumn, ChangesColumn, ColumnCount };

    struct Change {
        Watched what;
        WatchedValue from, to;
        Author author;
    };
    struct Row {
        qint64 time = 0;    // of the first run, in milliseconds on the runtime's clock
        qint64 latest = 0;  // of the latest run
        QString form, handler;
        int index = -1;
        int effect = -1;
        int count = 1;
        std::vector<Change> changes;
        QString error;
        Place::By by = Place::By::Code;  // a row of changes made outside any handler: by whom
    };

    // A handler starts: a new row, or the next run of a repeating handler's row.
    void begin(const HandlerRun& run, int effect);
    // A change: the running handler's, or, outside any handler, one of a row of its own.
    void change(const Watched& what, const WatchedValue& from, const WatchedValue& to,
                const Author& author, qint64 time);
    void fail(int number, const QString& description);
    void end();
    // Tells the views of every row changed since the last time, in one signal; whether any was.
    bool publish();

    // The row a handler's run went to, by its place in the table; its text as a line.
    const Row& row(int place) const { return rows_[static_cast<std::size_t>(place)]; }
    static QString eventOf(const Row& row);
    static QString handlerOf(const Row& row);
    static QString changesOf(const Row& row);
    // The control whose event a row's handler answers ("cmdScroll(1)"); none for the form's.
    static QString controlOf(const Row& row);
    // All the row says, whatever its columns can show: times, count and every change.
    static QString fullTextOf(const Row& row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    Row* open();
    Row& rowBy(Place::By by, qint64 time);
    void append(Row row);
    void dropOldest();

    std::deque<Row> rows_;
    qint64 dropped_ = 0;  // rows gone from the front, so that a row keeps its number
    // The rows of the repeating handlers since the last other event, as numbers.
    std::vector<qint64> repeating_;
    qint64 open_ = -1;  // the number of the row the running handler writes to
    // The rows changed since the last publish(), as numbers; none while first > last.
    qint64 changedFirst_ = 0, changedLast_ = -1;
    bool recoloured_ = false;  // a row changed colour since the last publish()
};

}  // namespace forms
