#pragma once

#include <QTreeView>

namespace forms {

class CellPainter;

// A list of rows with headed columns, read row by row: a tree view without branches, so that
// every row has one height and nothing stands for a row number. A change to some rows draws
// those rows again and no others.
class RowsView : public QTreeView {
  public:
    RowsView(QAbstractItemModel* model, const QString& name, QWidget* parent);

    CellPainter& cellPainter() const { return *cellPainter_; }

  protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override;

  private:
    CellPainter* cellPainter_;
};

}  // namespace forms
