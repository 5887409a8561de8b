#pragma once

#include <QStyledItemDelegate>

namespace forms {

class PlotColumn;

// Draws a Watch entry's plot in its cell, over the row's background as the style draws it. The
// view's model is the plots' own or a proxy (or chain of proxies) over it.
class PlotCell final : public QStyledItemDelegate {
  public:
    PlotCell(const PlotColumn& plots, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const PlotColumn& plots_;
};

}  // namespace forms
