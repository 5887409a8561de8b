#include "platform/how_it_works/panes/trail.h"

#include <QApplication>
#include <QWidget>
#include <map>

#include "platform/how_it_works/panes/trail_layer.h"
#include "platform/how_it_works/panes/trail_spots.h"
#include "platform/how_it_works/records/history.h"
#include "platform/values/twips.h"

namespace forms {

namespace {

// The control's widget in sight by the name a watcher knows it by ("imgBall").
QWidget* widgetOf(const QString& control, const QWidget* except) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == except || !window->isVisible()) continue;
        if (auto* widget = window->findChild<QWidget*>(control); widget && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// How far a spot lies from where the control stands now, on one axis, in whole pixels.
int pixelsFrom(const std::optional<double>& spot, const std::optional<Watched>& value) {
    if (!spot || !value) return 0;
    const auto now = twipsOf(value->where.read());
    return now ? toPixels(static_cast<Single>(*spot)) - toPixels(static_cast<Single>(*now)) : 0;
}

// A mark at the control's centre as it stood at each spot, in its container, numbered from the
// moment out.
void addMarks(const ControlTrail& trail, const QWidget& control,
              std::vector<TrailLayer::Mark>& marks) {
    const QPoint centre = control.geometry().center();
    const auto done =
        std::ranges::count_if(trail.spots, [](const TrailSpot& s) { return !s.toCome; });
    int place = 0;
    for (const TrailSpot& spot : trail.spots) {
        const int distance =
            spot.toCome ? place - static_cast<int>(done) : static_cast<int>(done) - 1 - place;
        marks.push_back(
            {centre + QPoint(pixelsFrom(spot.left, trail.left), pixelsFrom(spot.top, trail.top)),
             spot.toCome, distance});
        ++place;
    }
}

}  // namespace

Trail::Trail(QObject* parent) : QObject(parent) {}

Trail::~Trail() {
    hide();
}

void Trail::show(const History& history, const QWidget* except) {
    const std::size_t runs = history.runs();
    const Shown now{runs, history.moment(), history.timeOf(0),
                    runs > 0 ? history.timeOf(runs - 1) : -1};
    if (shown_ == now) return;
    shown_ = now;
    std::map<QWidget*, std::vector<TrailLayer::Mark>> marksOn;
    for (const ControlTrail& trail : trailsAround(history, kMarks, kLookRuns))
        if (const QWidget* control = widgetOf(trail.owner, except))
            addMarks(trail, *control, marksOn[control->parentWidget()]);
    for (QPointer<TrailLayer>& layer : layers_)
        if (layer && !marksOn.contains(layer->host())) remove(layer);
    std::erase_if(layers_, [](const QPointer<TrailLayer>& layer) { return layer.isNull(); });
    for (auto& [window, marks] : marksOn) layerOn(window)->setMarks(std::move(marks));
}

TrailLayer* Trail::layerOn(QWidget* container) {
    for (const QPointer<TrailLayer>& layer : layers_)
        if (layer->host() == container) return layer;
    return layers_.emplace_back(new TrailLayer(container));
}

// Its marks are repainted away first, so that the container shows what it showed before.
void Trail::remove(TrailLayer* layer) {
    layer->setMarks({});
    delete layer;
}

void Trail::hide() {
    shown_.reset();
    for (const QPointer<TrailLayer>& layer : layers_)
        if (layer) remove(layer);
    layers_.clear();
}

}  // namespace forms
