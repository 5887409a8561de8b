#include "platform/controls/label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>
#include <cmath>

#include "platform/accessibility/accessibility.h"
#include "platform/accessibility/keyboard_access.h"
#include "platform/controls/control_widget.h"
#include "platform/controls/fonts.h"

namespace forms {

class LabelWidget final : public QWidget {
  public:
    LabelWidget(Label& label, QWidget* parent) : QWidget(parent), label_(label) {}

  protected:
    void showEvent(QShowEvent*) override { label_.settleSize(); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int border = label_.borderPixels();
        if (label_.BackStyle == vbOpaque) painter.fillRect(rect(), toQColor(label_.BackColor));
        if (border) {
            painter.setPen(toQColor(vbWindowText));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        painter.setPen(isEnabled() ? toQColor(label_.ForeColor)
                                   : palette().color(QPalette::Disabled, QPalette::WindowText));
        painter.setFont(font());
        const QFontMetricsF metrics(font());
        const QRectF inner = QRectF(rect()).adjusted(border, border, -border, -border);
        painter.setClipRect(inner);
        double y = inner.top();
        for (const QString& line : label_.lines()) {
            double x = inner.left();
            if (label_.Alignment == vbRightJustify)
                x = inner.right() - metrics.horizontalAdvance(line);
            if (label_.Alignment == vbCenter)
                x = inner.left() + (inner.width() - metrics.horizontalAdvance(line)) / 2;
            painter.drawText(QPointF(x, y + metrics.ascent()), line);
            y += metrics.height();
        }
        painter.setClipping(false);
        paintFocusFrame(*this, painter, true);
    }

  private:
    Label& label_;
};

namespace {

// The next run of blanks and the word after it, from position `at`.
struct Token {
    QString blanks, word;
    qsizetype end;
};

Token nextToken(const QString& text, qsizetype at) {
    qsizetype wordStart = at;
    while (wordStart < text.size() && text[wordStart] == QLatin1Char(' ')) ++wordStart;
    qsizetype wordEnd = wordStart;
    while (wordEnd < text.size() && text[wordEnd] != QLatin1Char(' ')) ++wordEnd;
    return {text.mid(at, wordStart - at), text.mid(wordStart, wordEnd - wordStart), wordEnd};
}

// Trailing blanks take no room on a line.
QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' ')) --end;
    return text.left(end);
}

}  // namespace

QStringList wrapText(const QString& text, const QFontMetricsF& metrics, double width, bool wrap) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList paragraphs = normalised.split(QLatin1Char('\n'));
    if (!wrap) return paragraphs;
    QStringList lines;
    for (const QString& paragraph : paragraphs) {
        // Most captions fit whole: one measure instead of one per word.
        const QString whole = withoutTrailingBlanks(paragraph);
        if (metrics.horizontalAdvance(whole) <= width) {
            lines << whole;
            continue;
        }
        QString line;
        bool firstLine = true, lineEmpty = true;
        for (qsizetype at = 0; at < paragraph.size();) {
            const Token t = nextToken(paragraph, at);
            at = t.end;
            if (t.word.isEmpty()) break;  // trailing blanks take no room
            if (lineEmpty) {
                line = firstLine ? t.blanks + t.word : t.word;
                lineEmpty = false;
            } else if (metrics.horizontalAdvance(line + t.blanks + t.word) <= width) {
                line += t.blanks + t.word;
            } else {
                lines << line;
                line = t.word;  // the blanks at the break vanish
                firstLine = false;
            }
        }
        lines << line;
    }
    return lines;
}

Label::Label(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget* container)
    : Control(form, desc, std::move(name), index), widget_(new LabelWidget(*this, container)) {
    const Settings& s = desc.set;
    Caption.initialise(QString::fromUtf8(s.Caption ? s.Caption : ""));
    if (s.ForeColor) ForeColor.initialise(*s.ForeColor);
    if (s.BackColor) BackColor.initialise(*s.BackColor);
    Alignment.initialise(s.Alignment);
    BackStyle.initialise(s.BackStyle);
    BorderStyle.initialise(s.BorderStyle);
    AutoSize.initialise(s.AutoSize);
    WordWrap.initialise(s.WordWrap);
    widget_->setFont(fontFor(s.Font.value_or(FontSpec{})));
    describeControl(widget_, *this, QAccessible::StaticText);
    if (BackStyle == vbOpaque) widget_->setAttribute(Qt::WA_OpaquePaintEvent);
    new ControlEventFilter(widget_, *this, ControlEventFilter::Mode::Plain);
    attach(widget_);
    if (AutoSize) captionChanged();  // sized to the caption as the bundled font draws it
}

int Label::borderPixels() const {
    return BorderStyle == vbFixedSingle ? 1 : 0;
}

const QStringList& Label::lines() const {
    const int width = widget_->width();
    if (width != linesWidth_) {
        const QFontMetricsF metrics(widget_->font());
        lines_ = wrapText(Caption, metrics, width - 2 * borderPixels(), !AutoSize || WordWrap);
        linesWidth_ = width;
    }
    return lines_;
}

QString Label::caption() const {
    return Caption;
}

// A leading "< " is an arrow at the control to the label's left, not words.
QString Label::spokenCaption() const {
    QString spoken = spokenText(Caption);
    if (spoken.startsWith(QLatin1String("< "))) spoken.remove(0, 2);
    return spoken;
}

void Label::captionChanged() {
    linesWidth_ = -1;
    captionShown();
    if (AutoSize) {
        // A hidden label is measured when it shows or its size is read: measuring loads the
        // font, which labels hidden at start would otherwise all pay for before the first frame.
        // While a watcher records every change, its size is measured now, so that the record
        // holds the size the label has.
        sizeDue_ = true;
        if (watcher() || widget_->isVisibleTo(widget_->window())) settleSize();
    }
    widget_->update();
}

void Label::settleSize() {
    if (!sizeDue_) return;
    sizeDue_ = false;
    const QFontMetricsF metrics(widget_->font());
    const QStringList shown = wrapText(Caption, metrics, 0, false);
    double widest = 0;
    for (const QString& line : shown) widest = std::max(widest, metrics.horizontalAdvance(line));
    const int frame = 2 * borderPixels();
    const double width = std::ceil(widest) + frame;
    const double height = std::ceil(metrics.height()) * shown.size() + frame;
    resizeTo(static_cast<Single>(width) * kTwipsPerPixel,
             static_cast<Single>(height) * kTwipsPerPixel);
}

void Label::repaint() {
    widget_->setAttribute(Qt::WA_OpaquePaintEvent, BackStyle == vbOpaque);
    widget_->update();
}

}  // namespace forms
