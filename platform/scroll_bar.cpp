#include "platform/scroll_bar.h"

#include <QPainter>
#include <QScrollBar>

#include "platform/accessibility.h"
#include "platform/control_widget.h"
#include "platform/keyboard_access.h"

namespace forms {

namespace {

// The style draws a scroll bar alike with and without the focus: this one shows the style's
// focus frame over it once the keyboard has moved the focus.
class ScrollBarWidget final : public QScrollBar {
  public:
    using QScrollBar::QScrollBar;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        QPainter painter(this);
        paintFocusFrame(*this, painter, false);
    }
};

}  // namespace

HScrollBar::HScrollBar(Form& form, const ControlDesc& desc, QString name, int index,
                       QWidget* container)
    : Control(form, desc, std::move(name), index),
      widget_(new ScrollBarWidget(Qt::Horizontal, container)) {
    describeControl(widget_, *this, QAccessible::ScrollBar);  // before the value tells of it
    Min.initialise(desc.set.Min);
    Max.initialise(desc.set.Max);
    Value.initialise(desc.set.Value);
    rangeChanged();
    widget_->setValue(Value.get().value());
    widget_->setFocusPolicy(Qt::StrongFocus);
    // The bar has no menu of its own: a right click on it does nothing.
    widget_->setContextMenuPolicy(Qt::NoContextMenu);
    QObject::connect(widget_, &QScrollBar::valueChanged, [this](int value) { moved(value); });
    new ControlEventFilter(widget_, *this, ControlEventFilter::Mode::Interactive);
    attach(widget_);
}

void HScrollBar::rangeChanged() {
    widget_->setRange(Min.get().value(), Max.get().value());
    widget_->setSingleStep(SmallChange.get().value());
    widget_->setPageStep(LargeChange.get().value());
}

// Value set by the program: the bar follows, and Change is raised as for the user's change.
void HScrollBar::valueChanged() {
    const QSignalBlocker quiet(widget_);
    widget_->setValue(Value.get().value());
    raise(&ControlEvents::Change);
}

// Value changed by the user on the bar.
void HScrollBar::moved(int value) {
    if (Value == value) return;
    Value.initialise(value);
    raise(&ControlEvents::Change);
}

}  // namespace forms
