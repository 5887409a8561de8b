#pragma once

#include <QCache>
#include <QPixmap>
#include <QProxyStyle>
#include <QRect>

namespace forms {

// Scroll bars drawn from pictures of how they looked before. The code pane's bars move between
// a few places as one handler shows and then another; drawing each place once and copying it
// after spares the style's gradients, which Qt's raster engine hands to other threads when a bar
// is tall, waking them every time the pane shows other code. It draws what the style draws.
class RememberedScrollBars final : public QProxyStyle {
  public:
    // Over the application's style; owned by `owner`, which must outlive the bars it draws.
    explicit RememberedScrollBars(QObject* owner);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

  private:
    struct Look {
        QSize size;
        QRect slider;
        int state, active, parts, orientation, direction;
        bool atStart, atEnd;
        qint64 palette;
        qreal pixelRatio;
        bool operator==(const Look&) const = default;
        friend size_t qHash(const Look& l, size_t seed = 0) {
            return qHashMulti(seed, l.size.width(), l.size.height(), l.slider.x(), l.slider.y(),
                              l.slider.width(), l.slider.height(), l.state, l.active, l.parts,
                              l.orientation, l.atStart, l.atEnd, l.palette, l.pixelRatio);
        }
    };

    mutable QCache<Look, QPixmap> drawn_{1 << 21};  // by bytes: some dozens of bars
};

}  // namespace forms
