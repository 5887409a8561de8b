#include "platform/how_it_works/panes/remembered_scroll_bars.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace forms {

namespace {

// A bar the style painted edge to edge is kept without its alpha channel: copying it is then a
// copy of rows, where a blend of a tall bar is split over the raster engine's threads.
QPixmap opaqueIfWhole(const QPixmap& drawn) {
    const QImage image = drawn.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 255) return drawn;
    }
    QPixmap opaque = QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
    opaque.setDevicePixelRatio(drawn.devicePixelRatio());
    return opaque;
}

}  // namespace

RememberedScrollBars::RememberedScrollBars(QObject* owner)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(owner);
}

void RememberedScrollBars::drawComplexControl(ComplexControl control,
                                              const QStyleOptionComplex* option, QPainter* painter,
                                              const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || bar->rect.isEmpty())
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const Look look{bar->rect.size(),
                    subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget)
                        .translated(-bar->rect.topLeft()),
                    static_cast<int>(bar->state),
                    static_cast<int>(bar->activeSubControls),
                    static_cast<int>(bar->subControls),
                    bar->orientation,
                    bar->direction,
                    bar->sliderValue == bar->minimum,
                    bar->sliderValue == bar->maximum,
                    bar->palette.cacheKey(),
                    ratio};
    if (const QPixmap* known = drawn_.object(look))
        return painter->drawPixmap(bar->rect.topLeft(), *known);
    auto* picture = new QPixmap(bar->rect.size() * ratio);
    picture->setDevicePixelRatio(ratio);
    picture->fill(Qt::transparent);
    QStyleOptionSlider atOrigin(*bar);
    atOrigin.rect.moveTopLeft({0, 0});
    {
        QPainter drawing(picture);
        QProxyStyle::drawComplexControl(control, &atOrigin, &drawing, widget);
    }
    *picture = opaqueIfWhole(*picture);
    painter->drawPixmap(bar->rect.topLeft(), *picture);
    const qint64 bytes = qint64(picture->width()) * picture->height() * 4;
    drawn_.insert(look, picture, bytes);
}

}  // namespace forms
