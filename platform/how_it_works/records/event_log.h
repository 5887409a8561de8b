#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
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
    bool unwatched = false;  // the change came while nobody watched: who made it is not known

    // "line 30", "by the user", "while not watched"; empty for a line not known.
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
        QString note;                    // what the row tells besides its changes: "frmCode loaded"
        Place::By by = Place::By::Code;  // a row of changes made outside any handler: by whom
        bool undone = false;             // all its runs are stepped back over: greyed
    };

    // Whether a handler is one that runs many times a second (a timer's, a pointer move's).
    static bool repeats(const QString& handler);
    // A handler starts: a new row, or the next run of a repeating handler's row.
    void begin(const HandlerRun& run, int effect) { begin(run, effect, repeats(run.handler)); }
    void begin(const HandlerRun& run, int effect, bool repeating);
    // A change: the running handler's, or, outside any handler, one of a row of its own.
    void change(const Watched& what, const WatchedValue& from, const WatchedValue& to,
                const Author& author, qint64 time);
    void fail(int number, const QString& description);
    // The runtime loaded a form: a row of its own, by the runtime.
    void loaded(const QString& form, qint64 time);
    void end();
    // Tells the views of every row changed since the last time, in one signal; whether any was.
    bool publish();

    // Going back in time: told of a row already there, by its number, just before a run alters
    // it: `entry` is the change about to be overwritten, or -1 for anything else.
    using BeforeChange = std::function<void(qint64 number, const Row& row, int entry)>;
    void onBeforeChange(BeforeChange told) { beforeChange_ = std::move(told); }
    // A row to set back or on, by its number, told to the views; null where it has gone.
    Row* editable(qint64 number);
    qint64 nextNumber() const { return dropped_ + static_cast<qint64>(rows_.size()); }
    const Row* rowNumbered(qint64 number) const;
    void setUndone(qint64 number, bool undone);
    void dropFrom(qint64 number);
    // The row's place in the table now, or -1 if it is gone.
    int placeOf(qint64 number) const;

    // The row a handler's run went to, by its place in the table; its text as a line.
    const Row& row(int place) const { return rows_[static_cast<std::size_t>(place)]; }
    static QString eventOf(const Row& row);
    static QString handlerOf(const Row& row);
    static QString changesOf(const Row& row);
    // One change as its row lists it: "imgBall.Left: 3020 → 3010 (line 30)".
    static QString changeText(const Change& change);
    static QString changeSeparator() { return QStringLiteral("; "); }
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
    void touch(qint64 number, int entry = -1);
    void markChanged(qint64 number);
    void noteChanged(qint64 number);
    void publishRows(qint64 first, qint64 last, int fromColumn);
    Row& rowBy(Place::By by, qint64 time);
    void append(Row row);
    void dropOldest();

    std::deque<Row> rows_;
    qint64 dropped_ = 0;  // rows gone from the front, so that a row keeps its number
    // The rows of the repeating handlers since the last other event, as numbers.
    std::vector<qint64> repeating_;
    qint64 open_ = -1;  // the number of the row the running handler writes to
    // The rows changed since the last publish(), as numbers: each apart while they are few,
    // so that a view draws again those rows and not every row between them; else as a range.
    static constexpr std::size_t kMostChangedApart = 64;
    std::vector<qint64> changed_;
    qint64 changedFirst_ = 0, changedLast_ = -1;  // none while first > last
    bool recoloured_ = false;                     // a row changed colour since the last publish()
    BeforeChange beforeChange_;
};

}  // namespace forms
