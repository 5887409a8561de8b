#include "platform/image.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "platform/accessibility.h"
#include "platform/control_widget.h"
#include "platform/errors.h"

namespace forms {

class ImageWidget final : public QWidget {
  public:
    explicit ImageWidget(QWidget* parent) : QWidget(parent) {}

    void show(const forms::Picture& picture) {
        pixmap_ = picture ? QPixmap::fromImage(picture->image) : QPixmap();
        setAttribute(Qt::WA_OpaquePaintEvent, !pixmap_.isNull() && !pixmap_.hasAlpha());
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (pixmap_.isNull()) return;
        QPainter(this).drawPixmap(0, 0, pixmap_);
    }

  private:
    QPixmap pixmap_;
};

forms::Picture embeddedPicture(const char* name) {
    QFile file(QStringLiteral(":/pictures/") + QString::fromUtf8(name));
    if (!file.open(QIODevice::ReadOnly)) raiseError(kFileNotFound, file.fileName());
    return decodePicture(file.readAll(), file.fileName());
}

Image::Image(Form& form, const ControlDesc& desc, QString name, int index, QWidget* container)
    : Control(form, desc, std::move(name), index), widget_(new ImageWidget(container)) {
    new ControlEventFilter(widget_, *this, ControlEventFilter::Mode::Plain);
    setAccessibleRole(widget_, QAccessible::Graphic);
    widget_->setAccessibleName(Name());
    attach(widget_);
    if (desc.set.Picture) {
        Picture.initialise(embeddedPicture(desc.set.Picture));
        widget_->show(Picture);
    }
}

void Image::pictureChanged() {
    widget_->show(Picture);
    if (const auto& picture = Picture.get())
        resizeTo(static_cast<Single>(picture->image.width() * 15),
                 static_cast<Single>(picture->image.height() * 15));
}

}  // namespace forms
