#pragma once

#include <QStringList>

#include "platform/controls/control.h"

class QFontMetricsF;

namespace forms {

class LabelWidget;

// Text on a form. A label that is not auto-sized keeps its rectangle and wraps its caption at
// blanks within its width; an auto-sized one is one line, exactly as wide as its caption, and
// follows every change of caption, keeping its Left and Top.
class Label final : public Control {
  public:
    Label(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget* container);

    Property<String, Label> Caption{this, "Caption", &Label::captionChanged};
    Property<Colour, Label> ForeColor{this, "ForeColor", &Label::repaint, vbButtonText};
    Property<Colour, Label> BackColor{this, "BackColor", &Label::repaint, vbButtonFace};
    Property<Integer, Label> Alignment{this, "Alignment", &Label::repaint};
    Property<Integer, Label> BackStyle{this, "BackStyle", &Label::repaint, vbOpaque};
    Property<Integer, Label> BorderStyle{this, "BorderStyle", &Label::captionChanged};
    Property<bool, Label> AutoSize{this, "AutoSize", &Label::captionChanged};
    Property<bool, Label> WordWrap{this, "WordWrap", &Label::captionChanged};

    // The lines the caption shows, as wrapped within the label's width; kept until the caption,
    // the way it wraps or the width changes, so that a repaint measures nothing again.
    const QStringList& lines() const;
    QString caption() const override;
    QString spokenCaption() const override;

  private:
    friend class LabelWidget;

    void captionChanged();
    void settleSize() override;
    void repaint();
    int borderPixels() const;

    LabelWidget* widget_;
    mutable QStringList lines_;
    mutable int linesWidth_ = -1;  // the width lines_ was wrapped for; -1 when out of date
    bool sizeDue_ = false;         // an auto-sized caption not yet measured
};

// Breaks text into lines no wider than `width` pixels: at line feeds, and at blanks when
// `wrap` is on. The blanks at a break vanish; a word wider than the whole width keeps a line
// of its own.
QStringList wrapText(const QString& text, const QFontMetricsF& metrics, double width, bool wrap);

}  // namespace forms
