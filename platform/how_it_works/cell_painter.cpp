#include "platform/how_it_works/cell_painter.h"

#include <QApplication>
#include <QPainter>
#include <utility>

namespace forms {

void CellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    // A check box or the focus frame needs the style's whole item layout; a cell of text alone
    // is the style's item panel with the text on it.
    if (cell.state & QStyle::State_HasFocus ||
        cell.features & QStyleOptionViewItem::HasCheckIndicator)
        return QStyledItemDelegate::paint(painter, option, index);
    const QString text = std::exchange(cell.text, QString());
    const QWidget* view = cell.widget;
    const QStyle* style = view ? view->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, view);
    if (text.isEmpty()) return;

    // Where and in which colour the style would put the text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QRect room = cell.rect.adjusted(margin, 0, -margin, 0);
    const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (cell.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    const bool selected = cell.state & QStyle::State_Selected;
    const QStaticText& line = laidOut(text, cell.font, room.width());
    painter->save();
    painter->setPen(
        cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(cell.font);
    painter->setClipRect(room);
    painter->drawStaticText(room.left(),
                            room.top() + (room.height() - qRound(line.size().height())) / 2, line);
    painter->restore();
}

const QStaticText& CellPainter::laidOut(const QString& text, const QFont& font, int width) const {
    const Key key{text, font, width};
    if (const QStaticText* known = laidOut_.object(key)) return *known;
    // Laid out whole first: most cells fit, and eliding would lay each out twice.
    auto* line = new QStaticText(text);
    line->setTextFormat(Qt::PlainText);
    line->prepare(QTransform(), font);
    if (line->size().width() > width) {
        line->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, width));
        line->prepare(QTransform(), font);
    }
    laidOut_.insert(key, line);
    return *line;
}

}  // namespace forms
