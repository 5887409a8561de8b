#pragma once

#include <QCache>
#include <QFont>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace forms {

// Draws a cell's text from a cache of text already laid out: rows drawn again many times a
// second with mostly the same words lay out only what is new. Everything but the text (the
// background, the selection, the focus) is drawn by the style, as any view draws it; a cell
// with a check box or the focus is drawn by the style whole.
class CellPainter final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    struct Key {
        QString text;
        QFont font;
        int width;
        bool operator==(const Key& other) const = default;
        friend size_t qHash(const Key& key, size_t seed = 0) {
            return qHashMulti(seed, key.text, key.font, key.width);
        }
    };
    const QStaticText& laidOut(const QString& text, const QFont& font, int width) const;

    mutable QCache<Key, QStaticText> laidOut_{4000};
};

}  // namespace forms
