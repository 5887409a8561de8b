#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/how_it_works/records/event_log.h"
#include "platform/properties/watch.h"

namespace forms {

// The properties and variables the program's handlers have changed, a row each in the order
// they first changed, with their values now and the effects whose
// handlers changed them: the table a watcher of the program shows. A value that changed
// within the last kMarkMs is marked. Changes are taken as they come; what is shown is brought
// up to date by refresh(), as often as the screen needs, which tells the views of the rows
// whose value or mark changed and of no other.
class WatchList final : public QAbstractTableModel {
  public:
    static constexpr qint64 kMarkMs = 700;
    enum Column { NameColumn, ValueColumn, AuthorColumn, ColumnCount };

    // A change; who had made the value before it, none for its first.
    std::optional<Author> changed(const Watched& what, const WatchedValue& value,
                                  const Author& author, int effect, qint64 now);
    // The entry of a row: what it is and who changed it last, none where it has not changed yet
    // at the moment shown.
    const Watched& what(int row) const { return entries_[static_cast<std::size_t>(row)].what; }
    std::optional<Author> author(int row) const {
        return authorOf(entries_[static_cast<std::size_t>(row)]);
    }
    // Who changed a value last, none where nobody has yet.
    std::optional<Author> authorOf(const Watched& what) const;
    // Brings the rows up to date; whether a mark is still showing (so another refresh is due).
    bool refresh(qint64 now);

    // A value written again by a step in time, with who had made it as of that moment (none:
    // not changed yet then).
    void restored(const Watched& what, const WatchedValue& value,
                  const std::optional<Author>& author, qint64 now);
    // A value moved while a step writes others: shown, who made it kept.
    void showValue(const Watched& what, const WatchedValue& value, qint64 now);
    // Each value read again as it is now, after a time of not watching: one that changed meanwhile
    // shows its new value, changed "while not watched".
    void readAgain(qint64 now);
    // Whether the program is to pause after a run that changes this value (its box checked).
    bool pausesOn(const Watched& what) const;
    void clearPauses();
    // The places values are written back to are gone (their form unloaded): nothing is typed.
    void forgetWriteBacks();
    // Told why a value typed into the Watch was refused; nothing changed then.
    void onRefused(std::function<void(const QString&)> told) { refused_ = std::move(told); }

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Entry {
        Watched what;
        WatchedValue value;
        Author author;       // who changed it last
        QList<int> effects;  // the effects whose handlers changed it
        qint64 changedAt;
        bool fresh = true;       // changed since the last refresh
        bool markShown = false;  // marked when last shown
        bool pauses = false;     // the program pauses after a run that changes it
        bool wholeRow = false;   // its name's cell to be drawn again too
        bool changedYet = true;  // false: the moment shown is before its first change
    };
    bool tryValue(Entry& entry, const QString& typed);
    static std::optional<Author> authorOf(const Entry& entry) {
        return entry.changedYet ? std::optional<Author>(entry.author) : std::nullopt;
    }
    QString whyReadOnly(const Entry& entry) const;
    bool marked(const Entry& entry) const { return now_ - entry.changedAt < kMarkMs; }
    void addNewRows();
    void tellChangedRows();
    // The first column of the entry to be shown anew (-1 for none), and takes it as shown.
    int takeChange(Entry& entry);
    // The entry of what changed, added as it first changes; whether it was added.
    std::pair<std::size_t, bool> entryOf(const Watched& what, qint64 now);

    std::vector<Entry> entries_;
    int pausing_ = 0;  // how many entries pause the program
    QHash<Watched, std::size_t> byName_;
    // The same entries by the place their value lives, known while its form is loaded: a
    // timer's changes, a hundred a second, hash a pointer, not a name.
    QHash<const void*, std::size_t> byPlace_;
    int rows_ = 0;  // the entries the views know of
    qint64 now_ = 0;
    std::function<void(const QString&)> refused_ = [](const QString&) {};
};

}  // namespace forms
