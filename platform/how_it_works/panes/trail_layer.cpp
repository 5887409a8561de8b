#include "platform/how_it_works/panes/trail_layer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <functional>

namespace forms {

namespace {

constexpr int kRadius = 3;  // a dot reads on a 23-pixel ball and leaves it seen
constexpr int kNearAlpha = 170, kFarAlpha = 45;

QRect boxOf(const TrailLayer::Mark& mark) {
    return {mark.centre - QPoint(kRadius + 1, kRadius + 1),
            QSize(2 * kRadius + 3, 2 * kRadius + 3)};
}

// The desktop's highlight for what was; what is to come in the hue across from it, or in the
// link colour where the highlight has no hue. Never a colour of the control followed.
QColor tintOf(const TrailLayer::Mark& mark) {
    const QPalette palette = QGuiApplication::palette();
    QColor tint = palette.color(QPalette::Highlight);
    if (mark.toCome)
        tint = tint.hsvHue() < 0 ? palette.color(QPalette::Link)
                                 : QColor::fromHsv((tint.hsvHue() + 180) % 360,
                                                   tint.hsvSaturation(), tint.value());
    const int distance = std::min(mark.distance, TrailLayer::kFarthest);
    tint.setAlpha(kNearAlpha - (kNearAlpha - kFarAlpha) * distance / TrailLayer::kFarthest);
    return tint;
}

}  // namespace

TrailLayer::TrailLayer(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("How It Works trail"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Trail"));
    setGeometry(window->rect());
    window->installEventFilter(this);
    show();
    raise();
}

void TrailLayer::setMarks(std::vector<Mark> marks) {
    keepOnTop();
    if (marks == marks_) return;
    const QRegion before = areaOf(marks_);
    marks_ = std::move(marks);
    update(before + areaOf(marks_));
}

QRegion TrailLayer::areaOf(const std::vector<Mark>& marks) const {
    QRegion area;
    for (const Mark& mark : marks) area += boxOf(mark);
    return area;
}

// A control raised by the program (ZOrder) would cover the marks.
void TrailLayer::keepOnTop() {
    const QObjectList& siblings = parentWidget()->children();
    for (auto sibling = siblings.rbegin(); *sibling != this; ++sibling)
        if ((*sibling)->isWidgetType()) return raise();
}

bool TrailLayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

// The farthest first, so that the nearest lie on top.
void TrailLayer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    std::vector<const Mark*> farthestFirst;
    for (const Mark& mark : marks_)
        if (event->region().intersects(boxOf(mark))) farthestFirst.push_back(&mark);
    std::ranges::stable_sort(farthestFirst, std::greater{}, &Mark::distance);
    for (const Mark* mark : farthestFirst) {
        painter.setBrush(tintOf(*mark));
        painter.drawEllipse(QPointF(mark->centre) + QPointF(0.5, 0.5), kRadius, kRadius);
    }
}

}  // namespace forms
