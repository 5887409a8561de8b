#pragma once

#include "platform/how_it_works/panes/cell_painter.h"

namespace forms {

// Draws cells as CellPainter does; a True or False value is edited by choosing one of the two,
// which is written at once, as a value typed is; any other value is typed.
class TruthChoice final : public CellPainter {
  public:
    using CellPainter::CellPainter;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

}  // namespace forms
