#include "platform/how_it_works/panes/truth_choice.h"

#include <QComboBox>

namespace forms {

namespace {

// A text is shown quoted, so only a True or False value shows as one of these bare.
bool isTruth(const QModelIndex& index) {
    const QString shown = index.data(Qt::DisplayRole).toString();
    return shown == QLatin1String("True") || shown == QLatin1String("False");
}

}  // namespace

QWidget* TruthChoice::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    if (!isTruth(index)) return CellPainter::createEditor(parent, option, index);
    auto* choice = new QComboBox(parent);
    choice->addItems({QStringLiteral("True"), QStringLiteral("False")});
    choice->setAccessibleName(
        QStringLiteral("Value of %1").arg(index.siblingAtColumn(0).data().toString()));
    // What is chosen is written at once; sending the delegate's signals changes nothing of it.
    auto* self = const_cast<TruthChoice*>(this);
    connect(choice, &QComboBox::activated, self, [self, choice] {
        emit self->commitData(choice);
        emit self->closeEditor(choice);
    });
    return choice;
}

void TruthChoice::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* choice = qobject_cast<QComboBox*>(editor);
    if (!choice) return CellPainter::setEditorData(editor, index);
    choice->setCurrentText(index.data(Qt::EditRole).toString());
}

void TruthChoice::setModelData(QWidget* editor, QAbstractItemModel* model,
                               const QModelIndex& index) const {
    auto* choice = qobject_cast<QComboBox*>(editor);
    if (!choice) return CellPainter::setModelData(editor, model, index);
    model->setData(index, choice->currentText(), Qt::EditRole);
}

}  // namespace forms
