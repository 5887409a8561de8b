#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <vector>

#include "platform/properties/watch.h"

namespace forms {

// The properties and variables the program's handlers have changed, with their values now, for
// one part of the program (or all): the table a watcher of the program shows. A value that
// changed within the last kMarkMs is marked. Changes are taken as they come; what is shown is
// brought up to date by refresh(), as often as the screen needs, which tells the views of the
// rows whose value or mark changed and of no other.
class WatchList final : public QAbstractTableModel {
  public:
    static constexpr qint64 kMarkMs = 700;
    enum Column { NameColumn, ValueColumn, ColumnCount };

    void changed(const Watched& what, const WatchedValue& value, int part, qint64 now);
    // -1: every part.
    void showPart(int part);
    // Brings the rows up to date; whether a mark is still showing (so another refresh is due).
    bool refresh(qint64 now);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Entry {
        Watched what;
        WatchedValue value;
        std::vector<int> parts;  // the parts whose handlers changed it
        qint64 changedAt;
        bool fresh = true;       // changed since the last refresh
        bool markShown = false;  // marked when last shown
        int row = -1;            // its row in the part shown, or -1
    };
    bool inPart(const Entry& entry) const;
    bool marked(const Entry& entry) const { return now_ - entry.changedAt < kMarkMs; }
    void addJoining();
    void tellChangedRows();
    // Whether the entry is to be shown anew, and takes it as shown.
    bool takeChange(Entry& entry);

    std::vector<Entry> entries_;
    QHash<Watched, std::size_t> byName_;
    std::vector<std::size_t> shown_;  // the entries of the part shown, in the order they joined
    int part_ = -1;
    qint64 now_ = 0;
};

}  // namespace forms
