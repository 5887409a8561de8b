#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <vector>

namespace forms {

// The properties and variables the program's handlers have changed, with their values now, for
// one part of the program (or all): the table a watcher of the program shows. A value that
// changed within the last kMarkMs is marked. Changes are taken as they come; what is shown is
// brought up to date by refresh(), as often as the screen needs.
class WatchList final : public QAbstractTableModel {
  public:
    static constexpr qint64 kMarkMs = 700;
    enum Column { NameColumn, ValueColumn, ColumnCount };

    void changed(const QString& what, const QString& value, int part, qint64 now);
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
        QString what, value;
        std::vector<int> parts;  // the parts whose handlers changed it
        qint64 changedAt;
    };
    bool inPart(const Entry& entry) const;
    bool marked(const Entry& entry) const { return now_ - entry.changedAt < kMarkMs; }

    std::vector<Entry> entries_;
    QHash<QString, std::size_t> byName_;
    std::vector<std::size_t> shown_;  // the entries of the part shown, in the order they joined
    std::vector<bool> isShown_;       // by entry
    int part_ = -1;
    qint64 now_ = 0;
};

}  // namespace forms
