#pragma once

#include <QCache>
#include <QFont>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

namespace forms {

// Draws a cell's text from a cache of text already laid out: rows drawn again many times a
// second with mostly the same words lay out only what is new. Everything but the text (the
// background, the selection, a check box, the focus) is drawn by the style, as any view draws
// it; the cell with the focus is drawn by the style whole. A part of a cell's text can be
// marked: drawn in the colours opposite to its row's.
class CellPainter : public QStyledItemDelegate {
  public:
    // A part of a cell's text, in characters.
    struct Span {
        qsizetype from = 0;
        qsizetype length = 0;
    };
    using Marked = std::function<std::optional<Span>(const QModelIndex&)>;

    using QStyledItemDelegate::QStyledItemDelegate;

    // Which part of a cell's text, if any, is marked.
    void markWith(Marked marked) { marked_ = std::move(marked); }
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
    void drawText(QPainter* painter, const QStyleOptionViewItem& cell, const QString& text,
                  QPalette::ColorRole colour, const QRect& clip) const;
    void drawMark(QPainter* painter, const QStyleOptionViewItem& cell, const QString& text,
                  Span span) const;

    mutable QCache<Key, QStaticText> laidOut_{4000};
    Marked marked_;
};

}  // namespace forms
