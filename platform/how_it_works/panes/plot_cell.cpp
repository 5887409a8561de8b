#include "platform/how_it_works/panes/plot_cell.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QPainter>
#include <QStyle>

#include "platform/how_it_works/panes/plot_column.h"
#include "platform/how_it_works/panes/plot_painter.h"
#include "platform/how_it_works/panes/time_span.h"

namespace forms {

PlotCell::PlotCell(const PlotColumn& plots, QObject* parent)
    : QStyledItemDelegate(parent), plots_(plots) {}

void PlotCell::paint(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text.clear();
    const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
    const TimeSpan* span = plots_.timeSpan();
    if (!span) return;
    const QRect area = plotArea(cell.rect);
    // The entry's row in the plots' own model, under whatever chooses from it.
    QModelIndex entry = index;
    while (entry.model() != &plots_)
        entry = static_cast<const QAbstractProxyModel*>(entry.model())->mapToSource(entry);
    const ValuePlot& plot = plots_.plotOf(entry.row(), area.width());
    const bool selected = cell.state & QStyle::State_Selected;
    paintPlot(*painter, plot, cell.rect, cell.palette, selected,
              static_cast<int>(span->xOf(span->cursor(), area.width())));
}

}  // namespace forms
