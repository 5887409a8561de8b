#include "platform/how_it_works/panes/numbered_code.h"

#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

namespace forms {

class NumberedCode::Gutter final : public QWidget {
  public:
    explicit Gutter(NumberedCode& code) : QWidget(&code), code_(code) {
        setAccessibleName(QStringLiteral("Line numbers"));
    }

  protected:
    void paintEvent(QPaintEvent* event) override { code_.paintGutter(event); }

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

void NumberedCode::fitGutter() {
    setViewportMargins(gutterWidth(), 0, 0, 0);
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

}  // namespace forms
