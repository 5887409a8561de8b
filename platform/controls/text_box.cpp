#include "platform/controls/text_box.h"

#include "platform/accessibility/accessibility.h"
#include "platform/controls/control_widget.h"
#include "platform/controls/fonts.h"
#include "platform/controls/text_widget.h"

namespace forms {

TextBox::TextBox(LoadedForm& form, const ControlDesc& desc, QString name, int index,
                 QWidget* container)
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
    setLocking();
    QObject::connect(widget_, &QPlainTextEdit::textChanged, [this] { edited(); });
    describeScrollArea(*widget_);
    new ControlEventFilter(widget_->viewport(), *this, ControlEventFilter::Mode::ObserveOnly);
    new ControlEventFilter(widget_, *this, ControlEventFilter::Mode::ObserveOnly);
    attach(widget_);
}

void TextBox::textChanged() {
    widget_->setText(Text);
    raise(&ControlEvents::Change);
}

void TextBox::lockedChanged() {
    setLocking();
    widget_->setText(Text);  // a locked box shows its text in another way than an editable one
}

void TextBox::setLocking() {
    widget_->setReadOnly(Locked);
    widget_->setTextInteractionFlags(Locked
                                         ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                         : Qt::TextEditorInteraction);
}

void TextBox::edited() {
    Text.changedByOwner(widget_->toPlainText(), Place::of(Place::By::User));
    raise(&ControlEvents::Change);
}

}  // namespace forms
