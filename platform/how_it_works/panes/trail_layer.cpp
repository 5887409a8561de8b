#include "platform/how_it_works/panes/trail_layer.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <optional>

namespace forms {

namespace {

constexpr int kRadius = 3;  // a dot reads beside a 23-pixel ball
constexpr int kNearAlpha = 170, kFarAlpha = 45;

QRect boxOf(const TrailLayer::Mark& mark) {
    return {mark.centre - QPoint(kRadius + 1, kRadius + 1),
            QSize(2 * kRadius + 3, 2 * kRadius + 3)};
}

// The desktop's highlight for what was; what is to come in the hue across from it, or in the
// link colour where the highlight has no hue. Never a colour of the control followed.
struct Tints {
    QColor was, toCome;
    Tints() {
        const QPalette palette = QGuiApplication::palette();
        was = palette.color(QPalette::Highlight);
        toCome = was.hsvHue() < 0 ? palette.color(QPalette::Link)
                                  : QColor::fromHsv((was.hsvHue() + 180) % 360, was.hsvSaturation(),
                                                    was.value());
    }
    QColor of(const TrailLayer::Mark& mark) const {
        QColor tint = mark.toCome ? toCome : was;
        const int distance = std::min(mark.distance, TrailLayer::kFarthest);
        tint.setAlpha(kNearAlpha - (kNearAlpha - kFarAlpha) * distance / TrailLayer::kFarthest);
        return tint;
    }
};

bool isOpaque(const QWidget& widget) {
    return widget.testAttribute(Qt::WA_OpaquePaintEvent) || widget.autoFillBackground();
}

}  // namespace

TrailLayer::TrailLayer(QWidget* host) : QObject(host) {
    setObjectName(QStringLiteral("How It Works trail"));
    host->installEventFilter(this);
}

QWidget* TrailLayer::host() const {
    return static_cast<QWidget*>(parent());
}

void TrailLayer::setMarks(std::vector<Mark> marks) {
    if (marks == marks_) return;
    const QRegion before = areaOf(marks_);
    marks_ = std::move(marks);
    drawnStale_ = true;
    host()->update(shownPart(before + areaOf(marks_)));
}

QRegion TrailLayer::areaOf(const std::vector<Mark>& marks) const {
    QRegion area;
    for (const Mark& mark : marks) area += boxOf(mark);
    return area;
}

// What an opaque control covers would repaint the control for nothing.
QRegion TrailLayer::shownPart(QRegion area) const {
    for (const QObject* child : host()->children())
        if (const auto* w = qobject_cast<const QWidget*>(child);
            w && !w->isWindow() && w->isVisible() && isOpaque(*w))
            area -= w->geometry();
    return area;
}

// The container paints itself first; the marks go over that, before its controls paint.
bool TrailLayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != parent() || event->type() != QEvent::Paint) return false;
    static_cast<QObject*>(host())->event(event);
    paintMarks(*static_cast<QPaintEvent*>(event));
    return true;
}

void TrailLayer::paintMarks(const QPaintEvent& event) {
    if (marks_.empty()) return;
    if (drawnStale_) makeDots();
    if (!event.region().intersects(drawnBounds_)) return;
    // The desktop's palette or the screen's pixel ratio may have changed since.
    if (drawnPalette_ != QGuiApplication::palette().cacheKey() ||
        dotsRatio_ != host()->devicePixelRatioF())
        makeDots();
    std::optional<QPainter> painter;
    for (const Dot& dot : drawn_) {
        if (!event.region().intersects(dot.box)) continue;
        if (!painter) painter.emplace(host());
        painter->drawPixmap(dot.box.topLeft(), dot.picture);
    }
}

void TrailLayer::makeDots() {
    drawnStale_ = false;
    drawnPalette_ = QGuiApplication::palette().cacheKey();
    drawnBounds_ = {};
    std::vector<const Mark*> farthestFirst;
    for (const Mark& mark : marks_) farthestFirst.push_back(&mark);
    std::ranges::stable_sort(farthestFirst, std::greater{}, &Mark::distance);
    const Tints tints;
    drawn_.clear();
    for (const Mark* mark : farthestFirst) {
        drawn_.push_back({boxOf(*mark), dotOf(tints.of(*mark))});
        drawnBounds_ |= drawn_.back().box;
    }
}

// A dot is drawn once in each tint and copied after: a small disc drawn smooth a hundred times
// a second costs more than copying its pixels.
const QPixmap& TrailLayer::dotOf(const QColor& tint) {
    const qreal ratio = host()->devicePixelRatioF();
    if (ratio != dotsRatio_ || dots_.size() > kMostDots) dots_.clear(), dotsRatio_ = ratio;
    QPixmap& dot = dots_[tint.rgba()];
    if (!dot.isNull()) return dot;
    const int side = 2 * kRadius + 3;
    dot = QPixmap(QSize(side, side) * ratio);
    dot.setDevicePixelRatio(ratio);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tint);
    painter.drawEllipse(QPointF(kRadius + 1.5, kRadius + 1.5), kRadius, kRadius);
    return dot;
}

}  // namespace forms
