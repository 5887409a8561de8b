#include "platform/how_it_works/panes/rows_view.h"

#include <QAccessible>
#include <QHeaderView>
#include <algorithm>

#include "platform/how_it_works/panes/cell_painter.h"

namespace forms {

RowsView::RowsView(QAbstractItemModel* model, const QString& name, QWidget* parent)
    : QTreeView(parent), cellPainter_(new CellPainter(this)) {
    setModel(model);
    setItemDelegate(cellPainter_);
    setAccessibleName(name);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    header()->setStretchLastSection(true);
}

// Qt's own views draw the whole view again for a change that spans more than one cell. Rows
// here never change height and are never edited in place, so only what shows of the cells
// changed is drawn, and screen readers are told as the view would tell them.
void RowsView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& /*roles*/) {
    QRegion changed;
    const QRect shown = viewport()->rect();
    const int left =
        topLeft.column() == 0 ? shown.left() : header()->sectionViewportPosition(topLeft.column());
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        QRect line = visualRect(model()->index(row, 0, topLeft.parent()));
        if (line.top() > shown.bottom()) break;
        if (line.bottom() < shown.top()) continue;
        line.setLeft(std::max(left, shown.left()));
        line.setRight(shown.right());
        changed += line;
    }
    if (!changed.isEmpty()) viewport()->update(changed);
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(topLeft.row());
        event.setFirstColumn(topLeft.column());
        event.setLastRow(bottomRight.row());
        event.setLastColumn(bottomRight.column());
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace forms
