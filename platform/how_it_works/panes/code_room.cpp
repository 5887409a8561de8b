#include "platform/how_it_works/panes/code_room.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <algorithm>

namespace forms {

namespace {

// The rows a line takes wrapped at `width`, at word boundaries where it can (as a plain text
// edit wraps).
int rowsOf(const QString& line, const QFont& font, int width) {
    QTextLayout layout(line, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    int rows = 0;
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(width);
        ++rows;
    }
    layout.endLayout();
    return std::max(1, rows);
}

}  // namespace

QSize longestHandlerRoom(const CodeIndex& code, const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0, most = 0;
    for (const CodeIndex::Place& place : code.places()) {
        const CodeIndex::File& file = code.files()[static_cast<std::size_t>(place.file)];
        if (!file.definesHandlers) continue;
        most = std::max(most, place.lastLine - place.firstLine + 1);
        for (int line = place.firstLine; line <= place.lastLine; ++line)
            widest = std::max(widest, metrics.horizontalAdvance(file.lines[line]));
    }
    return {widest, most * metrics.lineSpacing()};
}

int wrappedHandlerHeight(const CodeIndex& code, const QFont& font, int width) {
    int most = 0;
    for (const CodeIndex::Place& place : code.places()) {
        const CodeIndex::File& file = code.files()[static_cast<std::size_t>(place.file)];
        if (!file.definesHandlers) continue;
        int rows = 0;
        for (int line = place.firstLine; line <= place.lastLine; ++line)
            rows += rowsOf(file.lines[line], font, std::max(1, width));
        most = std::max(most, rows);
    }
    return most * QFontMetrics(font).lineSpacing();
}

int tallestHeading(const CodeIndex& code, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    const QRect room(0, 0, std::max(1, width), 1 << 20);
    int tallest = 0;
    for (const CodeIndex::File& file : code.files())
        if (file.definesHandlers)
            tallest = std::max(
                tallest, metrics.boundingRect(room, Qt::TextWordWrap, file.headComment).height());
    return tallest;
}

}  // namespace forms
