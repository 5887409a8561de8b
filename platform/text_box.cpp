#include "platform/text_box.h"

#include <QPlainTextEdit>

#include "platform/control_widget.h"
#include "platform/fonts.h"

namespace forms {

// The box's widget. A text set while the box is not on screen (as a viewer filled before it is
// first shown) is handed to Qt's document only when the box appears, so a large text costs
// nothing until somebody looks at it.
class TextWidget final : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

    void setText(const QString& text) {
        if (isVisible()) {
            fill(text);
        } else {
            pending_ = text;
            hasPending_ = true;
        }
    }

  protected:
    void showEvent(QShowEvent* event) override {
        if (hasPending_) fill(std::exchange(pending_, QString()));
        QPlainTextEdit::showEvent(event);
    }

  private:
    void fill(const QString& text) {
        hasPending_ = false;
        const QSignalBlocker quiet(this);
        setPlainText(text);
    }

    QString pending_;
    bool hasPending_ = false;
};

TextBox::TextBox(Form& form, const ControlDesc& desc, QString name, int index, QWidget* container)
    : Control(form, desc, std::move(name), index), widget_(new TextWidget(container)) {
    const Settings& s = desc.set;
    Text.initialise(QString::fromUtf8(s.Text ? s.Text : ""));
    Locked.initialise(s.Locked);
    widget_->setText(Text);
    widget_->setFont(fontFor(s.Font.value_or(FontSpec{})));
    widget_->setLineWrapMode(s.MultiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    const bool vertical = s.ScrollBars == vbVertical || s.ScrollBars == vbBoth;
    const bool horizontal = s.ScrollBars == vbHorizontal || s.ScrollBars == vbBoth;
    widget_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    widget_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                     : Qt::ScrollBarAlwaysOff);
    lockedChanged();
    QObject::connect(widget_, &QPlainTextEdit::textChanged, [this] { edited(); });
    new ControlEventFilter(widget_->viewport(), *this, ControlEventFilter::Mode::ObserveOnly);
    new ControlEventFilter(widget_, *this, ControlEventFilter::Mode::ObserveOnly);
    attach(widget_);
}

void TextBox::textChanged() {
    widget_->setText(Text);
    raise(&ControlEvents::Change);
}

void TextBox::lockedChanged() {
    widget_->setReadOnly(Locked);
    widget_->setTextInteractionFlags(Locked
                                         ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                         : Qt::TextEditorInteraction);
}

void TextBox::edited() {
    Text.initialise(widget_->toPlainText());
    raise(&ControlEvents::Change);
}

}  // namespace forms
