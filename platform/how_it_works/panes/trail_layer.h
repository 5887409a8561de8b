#pragma once

#include <QColor>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <vector>

class QPaintEvent;
class QWidget;

namespace forms {

// The marks of a trail in the container of the controls it follows: drawn over what the
// container paints, under its controls, in each of the container's own paints. Nothing of the
// window changes: it adds no widget, takes no input and no focus, and leaves no pixel behind
// once gone. Under an opaque control a mark is hidden, as a drawing's earlier frames lie under
// it on an onion skin; and so Qt still moves such a control by copying its pixels, and its
// ticks repaint no more than they do without a trail.
class TrailLayer final : public QObject {
  public:
    struct Mark {
        QPoint centre;  // in the container
        bool toCome = false;
        int distance = 0;  // in runs' moves from the moment: 0 the nearest
        bool operator==(const Mark&) const = default;
    };
    static constexpr int kFarthest = 40;  // a mark this far is the faintest

    explicit TrailLayer(QWidget* host);

    QWidget* host() const;
    // Repaints only where the old and the new marks show; the same marks repaint nothing.
    void setMarks(std::vector<Mark> marks);
    const std::vector<Mark>& marks() const { return marks_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A mark as it is drawn: its dot and where.
    struct Dot {
        QRect box;
        QPixmap picture;
    };
    QRegion areaOf(const std::vector<Mark>& marks) const;
    QRegion shownPart(QRegion area) const;
    void paintMarks(const QPaintEvent& event);
    void makeDots();
    const QPixmap& dotOf(const QColor& tint);

    std::vector<Mark> marks_;
    // The marks' dots, the farthest first so that the nearest lie on top: made once for the
    // many paints the container makes between two frames, again for new marks, tints or ratio.
    std::vector<Dot> drawn_;
    QRect drawnBounds_;
    bool drawnStale_ = true;
    qint64 drawnPalette_ = 0;                    // the application palette's key
    static constexpr qsizetype kMostDots = 256;  // a few palettes' tints
    QHash<QRgb, QPixmap> dots_;
    qreal dotsRatio_ = 0;
};

}  // namespace forms
