#include "platform/controls/text_widget.h"

#include <QElapsedTimer>
#include <QMimeData>
#include <QTextDocumentFragment>
#include <algorithm>
#include <new>

namespace forms {

namespace {

// A slice of the filling keeps the window answering: well under a frame of input and paint.
constexpr qint64 kSliceMilliseconds = 8;
// Text goes into the document in pieces of this many characters...
constexpr qsizetype kPieceCharacters = 64 * 1024;
// ...and a line longer than this goes on in a new block: laying out 4096 characters takes
// about a millisecond, a million of them most of a minute.
constexpr qsizetype kLongestBlock = 4096;

// The characters Qt's document takes as the end of a block.
bool endsBlock(QChar c) {
    const char16_t u = c.unicode();
    return u == u'\n' || u == u'\r' || u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1;
}

}  // namespace

TextWidget::TextWidget(QWidget* parent) : QPlainTextEdit(parent) {
    nextSlice_.setSingleShot(true);
    nextSlice_.setInterval(0);
    QObject::connect(&nextSlice_, &QTimer::timeout, this, [this] { fillSlice(); });
}

void TextWidget::setText(const QString& text) {
    text_ = text;
    if (isVisible()) {
        fill();
    } else {
        pending_ = true;
    }
}

void TextWidget::showEvent(QShowEvent* event) {
    if (pending_) fill();
    QPlainTextEdit::showEvent(event);
}

void TextWidget::fill() {
    pending_ = false;
    nextSlice_.stop();
    joins_.clear();
    filled_ = 0;
    lineRun_ = 0;
    const QSignalBlocker quiet(this);
    if (!isReadOnly()) {  // an editable box shows what it edits, unsplit
        setPlainText(text_);
        filled_ = text_.size();
        return;
    }
    document()->setUndoRedoEnabled(false);
    clear();
    fillSlice();
    moveCursor(QTextCursor::Start);  // the box opens at the start of its text
}

void TextWidget::fillSlice() {
    const QSignalBlocker quiet(this);
    QElapsedTimer spent;
    spent.start();
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();  // the document is laid out once a slice, not once a piece
    try {
        do {
            appendPiece(end);
        } while (filled_ < text_.size() && !spent.hasExpired(kSliceMilliseconds));
    } catch (const std::bad_alloc&) {
        filled_ = text_.size();  // out of memory: the box keeps what it could take
    }
    end.endEditBlock();
    if (filled_ < text_.size()) nextSlice_.start();
}

// Where the next piece ends: never between "\r" and "\n" (one line end to the document), nor
// inside a surrogate pair.
qsizetype TextWidget::pieceEnd() const {
    qsizetype end = std::min(text_.size(), filled_ + kPieceCharacters);
    if (end < text_.size() && text_[end - 1].isHighSurrogate()) ++end;
    if (end < text_.size() && text_[end - 1] == u'\r' && text_[end] == u'\n') ++end;
    return end;
}

// Where a long line running up to `at` is best cut: after its last blank not far back, else at
// `at`; never inside a surrogate pair. `from` when it cannot be cut now.
qsizetype TextWidget::cutBefore(qsizetype at, qsizetype from) const {
    if (at < text_.size() && endsBlock(text_[at])) return from;  // it ends here anyway
    const qsizetype lookBack = std::max(from, at - kLongestBlock / 8);
    for (qsizetype i = at - 1; i >= lookBack; --i)
        if (text_[i] == u' ') return i + 1;
    return text_[at - 1].isHighSurrogate() ? at - 1 : at;
}

void TextWidget::appendPiece(QTextCursor& end) {
    const qsizetype stop = pieceEnd();
    qsizetype from = filled_;
    for (qsizetype i = filled_; i < stop; ++i) {
        if (endsBlock(text_[i])) {
            lineRun_ = 0;
            continue;
        }
        if (++lineRun_ < kLongestBlock) continue;
        const qsizetype cut = cutBefore(i + 1, from);
        if (cut <= from) continue;
        end.insertText(text_.mid(from, cut - from));
        end.insertBlock();
        joins_.push_back(end.position());
        lineRun_ = i + 1 - cut;
        from = cut;
    }
    if (stop > from) end.insertText(text_.mid(from, stop - from));
    filled_ = stop;
}

// The selection as the text has it: without the block breaks that only cut long lines.
QMimeData* TextWidget::createMimeDataFromSelection() const {
    const QTextCursor selection = textCursor();
    const int start = selection.selectionStart(), end = selection.selectionEnd();
    const auto first = std::upper_bound(joins_.begin(), joins_.end(), start);
    const auto last = std::upper_bound(joins_.begin(), joins_.end(), end);
    if (first == last) return QPlainTextEdit::createMimeDataFromSelection();
    // One character of the copy for each position of the document.
    QString text = selection.selection().toPlainText();
    for (auto join = last; join != first;) {
        --join;
        text.remove(*join - 1 - start, 1);
    }
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

}  // namespace forms
