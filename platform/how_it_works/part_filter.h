#pragma once

#include <QSortFilterProxyModel>

namespace forms {

// The rows of one part of the program (an effect), or of all: the one filter of every pane.
// A model tells the parts of a row as a list of numbers under kPartsRole.
class PartFilter final : public QSortFilterProxyModel {
  public:
    static constexpr int kPartsRole = Qt::UserRole;

    explicit PartFilter(QAbstractItemModel* rows, QObject* parent);
    // -1: every part.
    void showPart(int part);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    int part_ = -1;
};

}  // namespace forms
