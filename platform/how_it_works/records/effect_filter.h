#pragma once

#include <QSortFilterProxyModel>

namespace forms {

// The rows of one effect, or of all: the one filter of every pane.
// A model tells the effects of a row as a list of numbers under kEffectsRole.
class EffectFilter final : public QSortFilterProxyModel {
  public:
    static constexpr int kEffectsRole = Qt::UserRole;

    explicit EffectFilter(QAbstractItemModel* rows, QObject* parent);
    // -1: every effect.
    void showEffect(int effect);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    int effect_ = -1;
};

}  // namespace forms
