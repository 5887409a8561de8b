#include "platform/how_it_works/panes/cell_painter.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>
#include <utility>

namespace forms {

namespace {

const QStyle* styleOf(const QStyleOptionViewItem& cell) {
    return cell.widget ? cell.widget->style() : QApplication::style();
}

// The check box's place, as the style lays the cell out; found without its text, which the
// style would lay out only to measure it.
QRect checkBoxRoom(const QStyleOptionViewItem& cell) {
    QStyleOptionViewItem box(cell);
    box.text.clear();
    return styleOf(cell)->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &box, cell.widget);
}

// Where the style would put the text: past the check box, if the cell has one.
QRect textRoom(const QStyleOptionViewItem& cell) {
    const int margin =
        styleOf(cell)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cell.widget) + 1;
    QRect room = cell.rect.adjusted(margin, 0, -margin, 0);
    // Past the box's own margin and the text's.
    if (cell.features & QStyleOptionViewItem::HasCheckIndicator)
        room.setLeft(checkBoxRoom(cell).right() + 1 + 2 * margin);
    return room;
}

void drawCheckBox(QPainter* painter, const QStyleOptionViewItem& cell) {
    QStyleOptionViewItem box(cell);
    box.rect = checkBoxRoom(cell);
    box.state &= ~QStyle::State_HasFocus;
    box.state |= cell.checkState == Qt::Checked            ? QStyle::State_On
                 : cell.checkState == Qt::PartiallyChecked ? QStyle::State_NoChange
                                                           : QStyle::State_Off;
    styleOf(cell)->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, cell.widget);
}

// Whether any of `rect` would show in the paint under way. Qt's tree view draws every cell of a
// row whenever the area it repaints comes in more than one part, though only those parts show.
bool shows(const QPainter& painter, const QRect& rect) {
    const QRegion clip = painter.paintEngine()->systemClip();
    return clip.isEmpty() || clip.intersects(painter.deviceTransform().mapRect(rect));
}

QPalette::ColorGroup groupOf(const QStyleOptionViewItem& cell) {
    if (!(cell.state & QStyle::State_Enabled)) return QPalette::Disabled;
    return cell.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive;
}

}  // namespace

void CellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    if (!shows(*painter, option.rect)) return;
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const std::optional<Span> mark = marked_ ? marked_(index) : std::nullopt;
    // The focus frame needs the style's whole item layout; any other cell is the style's item
    // panel, its check box, if it has one, and the text on it.
    if (cell.state & QStyle::State_HasFocus) {
        QStyledItemDelegate::paint(painter, option, index);
        if (mark) drawMark(painter, cell, cell.text, *mark);
        return;
    }
    const QString text = std::exchange(cell.text, QString());
    styleOf(cell)->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, cell.widget);
    if (cell.features & QStyleOptionViewItem::HasCheckIndicator) drawCheckBox(painter, cell);
    if (text.isEmpty()) return;
    const bool selected = cell.state & QStyle::State_Selected;
    drawText(painter, cell, text, selected ? QPalette::HighlightedText : QPalette::Text,
             textRoom(cell));
    if (mark) drawMark(painter, cell, text, *mark);
}

void CellPainter::drawText(QPainter* painter, const QStyleOptionViewItem& cell, const QString& text,
                           QPalette::ColorRole colour, const QRect& clip) const {
    const QRect room = textRoom(cell);
    const QStaticText& line = laidOut(text, cell.font, room.width());
    painter->save();
    painter->setPen(cell.palette.color(groupOf(cell), colour));
    painter->setFont(cell.font);
    painter->setClipRect(clip);
    painter->drawStaticText(room.left(),
                            room.top() + (room.height() - qRound(line.size().height())) / 2, line);
    painter->restore();
}

// The marked part in the colours opposite to its row's: the view's own on a chosen row, the
// highlight's on another. A little short of the cell's height, so that its focus frame shows.
void CellPainter::drawMark(QPainter* painter, const QStyleOptionViewItem& cell, const QString& text,
                           Span span) const {
    const QRect room = textRoom(cell);
    const QFontMetrics metrics(cell.font);
    const int left = room.left() + metrics.horizontalAdvance(text.left(span.from));
    const int right = room.left() + metrics.horizontalAdvance(text.left(span.from + span.length));
    const QRect marked =
        QRect(QPoint(left, cell.rect.top() + 2), QPoint(right - 1, cell.rect.bottom() - 2)) & room;
    if (marked.isEmpty()) return;
    const bool selected = cell.state & QStyle::State_Selected;
    painter->fillRect(
        marked, cell.palette.color(groupOf(cell), selected ? QPalette::Base : QPalette::Highlight));
    drawText(painter, cell, text, selected ? QPalette::Text : QPalette::HighlightedText, marked);
}

const QStaticText& CellPainter::laidOut(const QString& text, const QFont& font, int width) const {
    const Key key{text, font, width};
    if (const QStaticText* known = laidOut_.object(key)) return *known;
    // Most texts fit and are laid out once. One far too long for its cell is elided first,
    // so that it too is laid out twice at most rather than whole, then elided, then again.
    const QFontMetrics metrics(font);
    const bool farTooLong = 2 * text.size() * metrics.averageCharWidth() > 3 * width;
    auto* line =
        new QStaticText(farTooLong ? metrics.elidedText(text, Qt::ElideRight, width) : text);
    line->setTextFormat(Qt::PlainText);
    line->prepare(QTransform(), font);
    if (!farTooLong && line->size().width() > width) {
        line->setText(metrics.elidedText(text, Qt::ElideRight, width));
        line->prepare(QTransform(), font);
    }
    laidOut_.insert(key, line);
    return *line;
}

}  // namespace forms
