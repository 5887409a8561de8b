#include "platform/how_it_works/panes/numbered_code.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>

namespace forms {

namespace {

constexpr const char* kCountKeys =
    "A click on the count, or Return on its line, goes to its latest run; Alt+Up and Alt+Down "
    "go to its run before and after";

}  // namespace

class NumberedCode::Gutter final : public QWidget {
  public:
    explicit Gutter(NumberedCode& code) : QWidget(&code), code_(code) {
        setAccessibleName(QStringLiteral("Line numbers"));
    }

  protected:
    void paintEvent(QPaintEvent* event) override { code_.paintGutter(event); }
    // The line's number, and how many runs it made changes in.
    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QWidget::event(event);
        const auto* help = static_cast<QHelpEvent*>(event);
        const int line = code_.lineAt(help->pos().y());
        if (line > 0)
            QToolTip::showText(help->globalPos(),
                               LineCounts::words(line, code_.counts_.runsOf(line)), this);
        else
            QToolTip::hideText();
        return true;
    }

  private:
    NumberedCode& code_;
};

NumberedCode::NumberedCode(QWidget* parent) : QPlainTextEdit(parent), gutter_(new Gutter(*this)) {
    connect(this, &QPlainTextEdit::blockCountChanged, this, &NumberedCode::fitGutter);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            gutter_->scroll(0, dy);
        else
            gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] { describeCursorLine(); });
    showDocument(makeDocument({}));
}

QTextDocument* NumberedCode::makeDocument(const QString& text) {
    auto* document = new QTextDocument(this);
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    document->setDefaultFont(font());
    document->setPlainText(text);
    return document;
}

void NumberedCode::showDocument(QTextDocument* document) {
    Q_ASSERT(document && document->parent() == this);
    if (document == this->document()) return;
    marks_ = {};  // they were the other document's lines
    counts_ = {};
    setDocument(document);
    fitGutter();
}

void NumberedCode::setMarks(const Marks& marks) {
    if (marks == marks_) return;
    marks_ = marks;
    viewport()->update();
}

void NumberedCode::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(viewport());
        paintMarks(painter, event->rect());
    }
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    paintCounts(painter, event->rect());
}

// In the palette's highlight, light or strong over the code's own background, so that a dark
// theme stays readable; every row of a wrapped line.
void NumberedCode::paintMarks(QPainter& painter, const QRect& area) {
    if (marks_.last < marks_.first) return;
    QColor light = palette().color(QPalette::Highlight), strong = light;
    light.setAlpha(50);
    strong.setAlpha(150);
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
        if (box.top() > area.bottom()) break;
        const int line = block.blockNumber();
        if (line < marks_.first || line > marks_.last || !block.isVisible()) continue;
        const QRectF across(area.left(), box.top(), area.width(), box.height());
        painter.fillRect(across, marks_.strong.contains(line + 1) ? strong : light);
    }
}

// Qt lays the scroll area out again on every call, so only when the width differs.
void NumberedCode::fitGutter() {
    if (const int width = gutterWidth(); viewportMargins() != QMargins(width, 0, 0, 0))
        setViewportMargins(width, 0, 0, 0);
}

int NumberedCode::gutterWidth() const {
    const int digits = static_cast<int>(QString::number(std::max(1, blockCount())).size());
    return fontMetrics().horizontalAdvance(QLatin1Char('9')) * (digits + 1);
}

void NumberedCode::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect inside = contentsRect();
    gutter_->setGeometry(inside.left(), inside.top(), gutterWidth(), inside.height());
}

// The numbers of the lines in sight, in the palette's quieter text colour.
void NumberedCode::paintGutter(QPaintEvent* event) {
    QPainter painter(gutter_);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.setFont(font());
    const int right = gutter_->width() - fontMetrics().horizontalAdvance(QLatin1Char('9')) / 2;
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
        if (box.top() > event->rect().bottom()) break;
        if (!block.isVisible() || box.bottom() < event->rect().top()) continue;
        painter.drawText(QRect(0, qRound(box.top()), right, fontMetrics().height()), Qt::AlignRight,
                         QString::number(block.blockNumber() + 1));
    }
}

void NumberedCode::setCounts(LineCounts counts) {
    if (counts == counts_) return;
    const QRegion before = countsArea();
    counts_ = std::move(counts);
    viewport()->update(before + countsArea());
    describeCursorLine();
}

// A line's count two spaces after its text (after its last row, wrapped), or at the pane's
// right edge over a line too long for that, on the code's own background.
NumberedCode::CountPlace NumberedCode::countPlace(const QTextBlock& block, int runs) const {
    QTextCursor end(block);
    end.movePosition(QTextCursor::EndOfBlock);
    const QRect caret = cursorRect(end);
    const int width = fontMetrics().horizontalAdvance(LineCounts::text(runs));
    const int after = caret.right() + 2 * fontMetrics().horizontalAdvance(QLatin1Char(' '));
    const int x = std::min(after, viewport()->width() - width - 2);
    return {QRect(x, caret.top(), width, caret.height()), x < after};
}

void NumberedCode::forEachCountInSight(
    const std::function<void(int line, int runs, const CountPlace& place)>& visit) const {
    if (counts_.all().empty()) return;
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
        if (box.top() > viewport()->height()) break;
        const int line = block.blockNumber() + 1;
        if (const int runs = counts_.runsOf(line); runs > 0 && block.isVisible())
            visit(line, runs, countPlace(block, runs));
    }
}

QRegion NumberedCode::countsArea() const {
    QRegion area;
    forEachCountInSight([&](int, int, const CountPlace& place) { area += place.box; });
    return area;
}

void NumberedCode::paintCounts(QPainter& painter, const QRect& area) {
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    forEachCountInSight([&](int, int runs, const CountPlace& place) {
        if (!place.box.intersects(area)) return;
        if (place.overText) painter.fillRect(place.box.adjusted(-2, 0, 2, 0), palette().base());
        painter.drawText(place.box, Qt::AlignLeft | Qt::AlignVCenter, LineCounts::text(runs));
    });
}

std::optional<int> NumberedCode::countAt(QPoint point) const {
    std::optional<int> found;
    forEachCountInSight([&](int line, int, const CountPlace& place) {
        if (place.box.contains(point)) found = line;
    });
    return found;
}

// The line (from 1) at a height of the view; 0 below the last.
int NumberedCode::lineAt(int y) const {
    const QTextBlock block = cursorForPosition(QPoint(0, y)).block();
    const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
    return block.isValid() && y <= box.bottom() ? block.blockNumber() + 1 : 0;
}

void NumberedCode::mousePressEvent(QMouseEvent* event) {
    if (const auto line = countAt(event->position().toPoint());
        line && event->button() == Qt::LeftButton)
        return chosen_(*line, RunOfLine::Latest);
    QPlainTextEdit::mousePressEvent(event);
}

std::optional<RunOfLine> NumberedCode::runAskedBy(const QKeyEvent& event) const {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int line = textCursor().blockNumber() + 1;
    if ((event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier && counts_.runsOf(line) > 0)
        return RunOfLine::Latest;
    if (modifiers != Qt::AltModifier) return std::nullopt;
    if (event.key() == Qt::Key_Up) return RunOfLine::Previous;
    if (event.key() == Qt::Key_Down) return RunOfLine::Next;
    return std::nullopt;
}

void NumberedCode::keyPressEvent(QKeyEvent* event) {
    if (const auto which = runAskedBy(*event))
        return chosen_(textCursor().blockNumber() + 1, *which);
    QPlainTextEdit::keyPressEvent(event);
}

bool NumberedCode::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QPlainTextEdit::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const auto line = countAt(help->pos()))
        QToolTip::showText(help->globalPos(),
                           LineCounts::words(*line, counts_.runsOf(*line)) + QStringLiteral(". ") +
                               QString::fromLatin1(kCountKeys),
                           viewport());
    else
        QToolTip::hideText();
    return true;
}

// A screen reader hears the count of the line the cursor is on with the line.
void NumberedCode::describeCursorLine() {
    const int line = textCursor().blockNumber() + 1;
    const int runs = counts_.runsOf(line);
    const QString description = runs > 0 ? LineCounts::words(line, runs) + QStringLiteral(". ") +
                                               QString::fromLatin1(kCountKeys)
                                         : QString();
    if (accessibleDescription() != description) setAccessibleDescription(description);
}

}  // namespace forms
