#include "platform/controls/scroll_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "platform/accessibility/accessibility.h"
#include "platform/accessibility/keyboard_access.h"
#include "platform/controls/control_widget.h"
#include "platform/values/errors.h"

namespace forms {

namespace {

// Qt's scroll bar with the keys following its arrows (Qt's own bar inverts them): Right, Down
// and PageDown raise the value, Left, Up and PageUp lower it. The middle button does nothing
// (Qt's jumps the thumb to the pointer); the left button steps as the arrows and track say.
// The style draws the bar alike with and without the focus: this one shows the style's focus
// frame over it once the keyboard has moved the focus.
class ScrollBarWidget final : public QScrollBar {
  public:
    using QScrollBar::QScrollBar;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        QPainter painter(this);
        paintFocusFrame(*this, painter, false);
    }

    void keyPressEvent(QKeyEvent* event) override {
        const SliderAction action = actionFor(event->key());
        if (action == SliderNoAction) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        triggerAction(action);
        event->accept();
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::MiddleButton) return;
        QScrollBar::mousePressEvent(event);
    }

  private:
    static SliderAction actionFor(int key) {
        switch (key) {
            case Qt::Key_Right:
            case Qt::Key_Down:
                return SliderSingleStepAdd;
            case Qt::Key_Left:
            case Qt::Key_Up:
                return SliderSingleStepSub;
            case Qt::Key_PageDown:
                return SliderPageStepAdd;
            case Qt::Key_PageUp:
                return SliderPageStepSub;
            default:
                return SliderNoAction;
        }
    }
};

}  // namespace

HScrollBar::HScrollBar(LoadedForm& form, const ControlDesc& desc, QString name, int index,
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

QString HScrollBar::refusedValue(const Integer& value) const {
    const int low = std::min(Min.get().value(), Max.get().value());
    const int high = std::max(Min.get().value(), Max.get().value());
    if (value.value() >= low && value.value() <= high) return {};
    return QStringLiteral("Value lies from %1 to %2 on this bar.").arg(low).arg(high);
}

// Value set by the program: it must lie within Min..Max. The bar follows, and Change is raised
// as for the user's change.
void HScrollBar::valueChanged() {
    const int low = std::min(Min.get().value(), Max.get().value());
    const int high = std::max(Min.get().value(), Max.get().value());
    if (Value.get().value() < low || Value.get().value() > high) {
        Value.initialise(widget_->value());
        raiseError(kInvalidPropertyValue);
    }
    const QSignalBlocker quiet(widget_);
    widget_->setValue(Value.get().value());
    raise(&ControlEvents::Change);
}

// Value changed by the user on the bar.
void HScrollBar::moved(int value) {
    if (Value == value) return;
    Value.changedByOwner(value, Place::of(Place::By::User));
    raise(&ControlEvents::Change);
}

}  // namespace forms
