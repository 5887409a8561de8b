#pragma once

#include <QTreeView>

namespace forms {

// A list of rows with headed columns, read row by row: a tree view without branches, so that
// every row has one height and nothing stands for a row number. A change to some rows draws
// those rows again and no others.
class RowsView : public QTreeView {
  public:
    RowsView(QAbstractItemModel* model, const QString& name, QWidget* parent);

  protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override;
};

}  // namespace forms
