#include "platform/controls/containers.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <functional>

#include "platform/accessibility/accessibility.h"
#include "platform/controls/control_widget.h"
#include "platform/controls/fonts.h"

namespace forms {

class SurfaceWidget final : public QWidget {
  public:
    using Painter = std::function<void(QPainter&, const QRect&)>;

    SurfaceWidget(QWidget* parent, Painter paint) : QWidget(parent), paint_(std::move(paint)) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_(painter, rect());
    }

  private:
    Painter paint_;
};

PictureBox::PictureBox(LoadedForm& form, const ControlDesc& desc, QString name, int index,
                       QWidget* container)
    : Control(form, desc, std::move(name), index),
      widget_(new SurfaceWidget(
          container, [this](QPainter& p, const QRect& r) { p.fillRect(r, toQColor(BackColor)); })) {
    if (desc.set.BackColor) BackColor.initialise(*desc.set.BackColor);
    widget_->setAttribute(Qt::WA_OpaquePaintEvent);
    describeControl(widget_, *this, QAccessible::Pane);
    new ControlEventFilter(widget_, *this, ControlEventFilter::Mode::Plain);
    attach(widget_);
}

void PictureBox::repaint() {
    widget_->update();
}

Frame::Frame(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget* container)
    : Control(form, desc, std::move(name), index),
      widget_(new SurfaceWidget(container, [this](QPainter& p, const QRect& r) {
          const QFontMetrics metrics(widget_->font());
          const int lineY = metrics.height() / 2;
          const QRect box = r.adjusted(0, lineY, -1, -1);
          p.setPen(QColor(160, 160, 160));
          p.drawRect(box);
          p.setPen(QColor(255, 255, 255));
          p.drawRect(box.adjusted(1, 1, 1, 1));
          const QString caption = Caption;
          if (caption.isEmpty()) return;
          const QRect text(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
          p.fillRect(text, toQColor(vbButtonFace));
          p.setPen(toQColor(vbButtonText));
          p.setFont(widget_->font());
          p.drawText(text, Qt::AlignCenter, caption);
      })) {
    Caption.initialise(QString::fromUtf8(desc.set.Caption ? desc.set.Caption : ""));
    widget_->setFont(fontFor(desc.set.Font.value_or(FontSpec{})));
    widget_->setAutoFillBackground(true);
    describeControl(widget_, *this, QAccessible::Grouping);
    new ControlEventFilter(widget_, *this, ControlEventFilter::Mode::Plain);
    attach(widget_);
}

QString Frame::caption() const {
    return Caption;
}

void Frame::repaint() {
    captionShown();
    widget_->update();
}

Shape::Shape(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget* container)
    : Control(form, desc, std::move(name), index) {
    auto* outline = new SurfaceWidget(container, [](QPainter& p, const QRect& r) {
        p.setPen(toQColor(vbWindowText));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    });
    outline->setAttribute(Qt::WA_TransparentForMouseEvents);
    describeControl(outline, *this, QAccessible::NoRole);  // decoration: never read out
    new ControlEventFilter(outline, *this, ControlEventFilter::Mode::Plain);
    attach(outline);
}

}  // namespace forms
