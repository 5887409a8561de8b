#include "platform/how_it_works/panes/code_pane.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

#include "platform/how_it_works/panes/code_room.h"
#include "platform/how_it_works/panes/remembered_scroll_bars.h"

namespace forms {

namespace {

QFont codeFont() {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("Noto Sans Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    // Code in a monospaced face has nothing to shape: laid out without it, showing another
    // file costs a third less.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(9);
    return font;
}

}  // namespace

CodePane::CodePane(const CodeIndex* code, const QString& codePath, QWidget* parent)
    : QWidget(parent), code_(code) {
    setAccessibleName(QStringLiteral("Code pane"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    heading_ = new QLabel(this);
    heading_->setWordWrap(true);
    heading_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    heading_->setAccessibleName(QStringLiteral("About this effect"));
    text_ = new NumberedCode(this);
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(codeFont());
    text_->setAccessibleName(QStringLiteral("Code"));
    text_->setTabChangesFocus(true);
    note_ = text_->makeDocument({});
    if (!code_)
        showNote(QStringLiteral("The program's code could not be read, so no handler's code can "
                                "be shown. It is read at start-up from:\n%1")
                     .arg(codePath));
    column->addSpacing(0);  // the heading's room: it lies there, outside the layout
    column->addWidget(text_, 1);
    // What changes here as other code shows fills its own background, so that Qt repaints it
    // alone and not every widget behind it up to the window.
    setAutoFillBackground(true);
    auto* bars = new RememberedScrollBars(this);
    for (QScrollBar* bar : {text_->horizontalScrollBar(), text_->verticalScrollBar()}) {
        bar->setStyle(bars);
        bar->setAutoFillBackground(true);
    }
    heading_->setAutoFillBackground(true);
}

void CodePane::showMethod(const QString& form, const QString& method, const QList<int>& strong) {
    // Not QList's ==: Qt 6.4 hands two empty lists to memcmp, one of them a null pointer when
    // a list that held lines was cleared and the other never held any.
    if (form == shownForm_ && method == shownMethod_ && std::ranges::equal(strong, shownStrong_))
        return;
    shownForm_ = form;
    shownMethod_ = method;
    shownStrong_ = strong;
    if (!code_) return;
    const auto place = code_->find(form, method);
    if (!place) {
        showNote(QStringLiteral("%1.%2 is not in the program's code.").arg(form, method));
        return;
    }
    showFile(place->file);
    mark(place->firstLine, place->lastLine, strong);
}

void CodePane::showFileOf(int file) {
    if (!code_ || file < 0 || file >= static_cast<int>(code_->files().size())) return;
    shownForm_.clear();
    shownMethod_.clear();
    shownStrong_.clear();
    showFile(file);
    mark(0, -1, {});
}

void CodePane::showNoCode(const QString& author) {
    if (!code_) return;
    shownForm_.clear();
    shownMethod_.clear();
    shownStrong_.clear();
    showNote(QStringLiteral("Made %1, not by a handler: there is no code to show.").arg(author));
}

// One plain line in place of code, under no heading.
void CodePane::showNote(const QString& note) {
    shownFile_ = -1;
    heading_->clear();
    if (note_->toPlainText() != note) note_->setPlainText(note);
    text_->showDocument(note_);
}

void CodePane::showLine(int file, int line) {
    if (!code_ || file < 0 || line < 1) return;
    shownForm_.clear();
    shownMethod_.clear();
    shownStrong_ = {line};
    showFile(file);
    mark(line - 1, line - 1, {line});
}

void CodePane::showFile(int file) {
    if (file == shownFile_) return;
    shownFile_ = file;
    const CodeIndex::File& f = code_->files()[static_cast<std::size_t>(file)];
    heading_->setText(f.headComment);
    text_->showDocument(documentOf(file));
}

QTextDocument* CodePane::documentOf(int file) {
    const auto place = static_cast<std::size_t>(file);
    if (documents_.size() <= place) documents_.resize(code_->files().size(), nullptr);
    QTextDocument*& document = documents_[place];
    if (!document)
        document = text_->makeDocument(code_->files()[place].lines.join(QLatin1Char('\n')));
    return document;
}

// The marks, and the first line scrolled to the top with the cursor on it: scrolled first, so
// that the cursor lands in sight and the text is not scrolled and laid out twice.
void CodePane::mark(int first, int last, const QList<int>& strong) {
    text_->setMarks({first, last, strong});
    const QTextBlock top = text_->document()->findBlockByNumber(first);
    text_->verticalScrollBar()->setValue(top.firstLineNumber());  // it scrolls by rows
    // Set again, the same cursor repaints the lines it is on.
    if (const QTextCursor cursor = text_->textCursor();
        cursor.hasSelection() || cursor.position() != top.position())
        text_->setTextCursor(QTextCursor(top));
    recount();
}

void CodePane::recount() {
    const NumberedCode::Marks& marks = text_->marks();
    if (!runsOf_ || shownFile_ < 0 || marks.last < marks.first) return text_->setCounts({});
    text_->setCounts(LineCounts::of(marks.first + 1, marks.last + 1,
                                    [this](int line) { return runsOf_(shownFile_, line); }));
}

void CodePane::onRunOfLineChosen(std::function<void(int file, int line, RunOfLine which)> chosen) {
    text_->onRunOfLineChosen([this, chosen = std::move(chosen)](int line, RunOfLine which) {
        if (shownFile_ >= 0) chosen(shownFile_, line, which);
    });
}

void CodePane::putCursorOn(int file, int line) {
    if (file != shownFile_ || line < 1) return;
    text_->setTextCursor(QTextCursor(text_->document()->findBlockByNumber(line - 1)));
    text_->ensureCursorVisible();
}

QSize CodePane::roomForLongestHandler() const {
    if (!code_) return {480, 320};
    const QSize lines = longestHandlerRoom(*code_, text_->font());
    const QSize around = roomAroundText();
    const int width = lines.width() + around.width();
    return {width, tallestHeading(*code_, font(), width) + lines.height() + around.height()};
}

int CodePane::heightForLongestHandler(int width) const {
    if (!code_) return 320;
    const QSize around = roomAroundText();
    return tallestHeading(*code_, font(), width) +
           wrappedHandlerHeight(*code_, text_->font(), width - around.width()) + around.height();
}

// What the pane takes besides the code's own text: across, the frame, the numbers, the scroll
// bar and what the text leaves past its end (the cursor); down, the frame and a spare line.
QSize CodePane::roomAroundText() const {
    const QFontMetrics metrics(text_->font());
    const int frame = 2 * (qCeil(text_->document()->documentMargin()) + text_->frameWidth());
    const int numbers = metrics.horizontalAdvance(QStringLiteral("0000")) + 8;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, text_);
    const int cursor = 2 * metrics.averageCharWidth();
    return {frame + numbers + bar + cursor, frame + metrics.lineSpacing()};
}

void CodePane::wrapLines(bool wrap) {
    text_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void CodePane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    reserveHeadingHeight();
}

// The heading has the room of the tallest one and lies outside the layout, so that showing
// another file lays out nothing again.
void CodePane::reserveHeadingHeight() {
    int tallest = 0;
    if (code_) {
        const QFontMetrics metrics(heading_->font());
        const QRect room(0, 0, std::max(1, width()), 1 << 20);
        for (const CodeIndex::File& file : code_->files())
            if (file.definesHandlers)
                tallest = std::max(
                    tallest,
                    metrics.boundingRect(room, Qt::TextWordWrap, file.headComment).height());
    }
    auto* room = static_cast<QBoxLayout*>(layout())->itemAt(0)->spacerItem();
    if (room->sizeHint().height() != tallest) {
        room->changeSize(0, tallest, QSizePolicy::Minimum, QSizePolicy::Fixed);
        layout()->invalidate();
    }
    heading_->setGeometry(0, 0, width(), tallest);
}

}  // namespace forms
