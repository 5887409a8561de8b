#include "platform/controls/image.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <utility>

#include "platform/accessibility/accessibility.h"
#include "platform/accessibility/keyboard_access.h"
#include "platform/controls/control_widget.h"
#include "platform/files/device_pixels.h"
#include "platform/values/errors.h"

namespace forms {

class ImageWidget final : public QWidget {
  public:
    ImageWidget(Image& image, QWidget* parent) : QWidget(parent), image_(image) {}

    void show(const forms::Picture& picture) {
        picture_ = picture;
        pixmap_ = QPixmap();
        setAttribute(Qt::WA_OpaquePaintEvent, picture && !picture->image.hasAlphaChannel());
        update();
    }

  protected:
    void showEvent(QShowEvent*) override { image_.Picture.get(); }

    // The picture is drawn one to one in device pixels, made ready for the ratio of the device
    // it is drawn on (and made again when that ratio changes).
    void paintEvent(QPaintEvent*) override {
        if (!picture_) return;
        const qreal ratio = devicePixelRatioF();
        if (pixmap_.isNull() || pixmap_.devicePixelRatio() != ratio)
            pixmap_ = devicePixmap(picture_->image, ratio);
        QPainter painter(this);
        painter.drawPixmap(0, 0, pixmap_);
        paintFocusFrame(*this, painter, true);
    }

  private:
    Image& image_;
    forms::Picture picture_;
    QPixmap pixmap_;
};

namespace {

QByteArray embeddedBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) raiseError(kFileNotFound, path);
    return file.readAll();
}

}  // namespace

// A cursor "x.cur" may lie beside its image made ready as "x.png". That is read instead: for
// the cursor file Qt would load its icon plugin and turn the file's mask into alpha, the
// costliest picture of the start-up. The hot spot still comes from the cursor file.
forms::Picture embeddedPicture(const char* name) {
    const QString path = QStringLiteral(":/pictures/") + QString::fromUtf8(name);
    const QByteArray bytes = embeddedBytes(path);
    const QString ready = path.chopped(4) + QStringLiteral(".png");
    if (!path.endsWith(QLatin1String(".cur")) || !QFile::exists(ready))
        return decodePicture(bytes, path);
    auto cursor = std::make_shared<PictureData>(*decodePicture(embeddedBytes(ready), ready));
    cursor->hotSpot = cursorHotSpot(bytes);
    return cursor;
}

Image::Image(LoadedForm& form, const ControlDesc& desc, QString name, int index, QWidget* container)
    : Control(form, desc, std::move(name), index),
      widget_(new ImageWidget(*this, container)),
      embedded_(desc.set.Picture) {
    new ControlEventFilter(widget_, *this, ControlEventFilter::Mode::Plain);
    describeControl(widget_, *this, QAccessible::Graphic);
    attach(widget_);
    if (embedded_ && desc.visible) settlePicture();
}

// A hidden control's picture is decoded when it shows or its Picture is read: the pictures the
// main window keeps in store would otherwise all be decoded before its first frame.
void Image::settlePicture() {
    if (!embedded_) return;
    Picture.initialise(embeddedPicture(std::exchange(embedded_, nullptr)));
    widget_->show(Picture);
}

void Image::pictureChanged() {
    widget_->show(Picture);
    if (const auto& picture = Picture.get())
        resizeTo(static_cast<Single>(picture->image.width()) * kTwipsPerPixel,
                 static_cast<Single>(picture->image.height()) * kTwipsPerPixel);
}

}  // namespace forms
