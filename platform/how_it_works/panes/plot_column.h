#pragma once

#include <QHash>
#include <QIdentityProxyModel>
#include <functional>

#include "platform/how_it_works/panes/value_plot.h"

namespace forms {

class History;
class TimeSpan;

// The Watch's entries with one column more, "Over time": each value's plot over the time span
// the time strip shows, drawn by PlotCell and read by a screen reader as words. A plot is built
// when its cell is drawn or read, once for each thing shown (see shownChanged()).
class PlotColumn final : public QIdentityProxyModel {
  public:
    // The value of an entry by its row in `entries`, as the history knows it (its WriteBack's
    // target).
    using TargetOf = std::function<const void*(int row)>;
    PlotColumn(QAbstractItemModel* entries, TargetOf targetOf, QObject* parent);

    void show(const History& history, const TimeSpan& span);
    const TimeSpan* timeSpan() const { return span_; }
    int plotColumn() const;
    // The plot of a row for a width in pixels, as it stands until the next call.
    const ValuePlot& plotOf(int row, int width) const;
    // The span, the cursor or the runs changed: every plot is drawn again.
    void shownChanged();

    int columnCount(const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    QModelIndex sibling(int row, int column, const QModelIndex& index) const override;
    QModelIndex mapToSource(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    struct Built {
        int width;
        ValuePlot plot;
    };
    TargetOf targetOf_;
    const History* history_ = nullptr;
    const TimeSpan* span_ = nullptr;
    mutable QHash<const void*, Built> built_;
    mutable int lastWidth_ = 100;  // what a screen reader is read of, before a cell is drawn
};

}  // namespace forms
