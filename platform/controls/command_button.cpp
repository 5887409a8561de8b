#include "platform/controls/command_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionButton>

#include "platform/accessibility/accessibility.h"
#include "platform/controls/control_widget.h"
#include "platform/controls/fonts.h"

namespace forms {

class ButtonWidget final : public QPushButton {
  public:
    ButtonWidget(CommandButton& button, QWidget* parent) : QPushButton(parent), button_(button) {
        setAutoDefault(false);
    }

  protected:
    // A disabled button leaves mouse events to its container, as every other control does;
    // Qt's buttons would swallow them.
    bool event(QEvent* event) override {
        if (!isEnabled() && dynamic_cast<QMouseEvent*>(event)) return QWidget::event(event);
        return QPushButton::event(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            click();  // at once, like Space: not from a Qt timer that runs on real time
            return;
        }
        QPushButton::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        if (button_.Style != vbButtonGraphical) {
            QPushButton::paintEvent(event);
            return;
        }
        paintGraphical();
    }

  private:
    // A flat face in BackColor inside a raised (or, while pressed, sunken) edge.
    void paintGraphical() {
        QPainter painter(this);
        const QRect r = rect();
        painter.fillRect(r, toQColor(button_.BackColor));
        const bool down = isDown();
        const QColor light = down ? QColor(64, 64, 64) : QColor(255, 255, 255);
        const QColor dark = down ? QColor(255, 255, 255) : QColor(64, 64, 64);
        painter.setPen(light);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        const QColor text = isEnabled() ? toQColor(vbButtonText) : QColor(128, 128, 128);
        painter.setPen(text);
        painter.setFont(font());
        painter.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter, this->text());
        if (hasFocus()) {
            QPen focus(text, 1, Qt::DotLine);
            painter.setPen(focus);
            painter.drawRect(r.adjusted(3, 3, -4, -4));
        }
    }

    CommandButton& button_;
};

CommandButton::CommandButton(LoadedForm& form, const ControlDesc& desc, QString name, int index,
                             QWidget* container)
    : Control(form, desc, std::move(name), index), widget_(new ButtonWidget(*this, container)) {
    const Settings& s = desc.set;
    // Qt's description of a push button knows no on and off.
    if (s.OnWhileRunning) describeControl(widget_, *this, QAccessible::Button);
    Caption.initialise(QString::fromUtf8(s.Caption ? s.Caption : ""));
    if (s.BackColor) BackColor.initialise(*s.BackColor);
    Style.initialise(s.Style);
    Cancel.initialise(s.Cancel);
    widget_->setText(Caption);
    widget_->setFont(fontFor(s.Font.value_or(FontSpec{})));
    widget_->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(widget_, &QPushButton::clicked, [this] { raise(&ControlEvents::Click); });
    // Escape anywhere in the window clicks the Cancel button, while it is shown and enabled.
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), widget_);
    escape_->setEnabled(Cancel);
    QObject::connect(escape_, &QShortcut::activated, [this] { widget_->click(); });
    new ControlEventFilter(widget_, *this, ControlEventFilter::Mode::Interactive);
    attach(widget_);
}

QString CommandButton::caption() const {
    return Caption;
}

void CommandButton::captionChanged() {
    widget_->setText(Caption);
    captionShown();
}

void CommandButton::cancelChanged() {
    escape_->setEnabled(Cancel);
}

void CommandButton::repaint() {
    widget_->update();
}

}  // namespace forms
