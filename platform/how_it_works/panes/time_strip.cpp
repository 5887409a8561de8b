#include "platform/how_it_works/panes/time_strip.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "platform/how_it_works/records/event_log.h"
#include "platform/how_it_works/records/history.h"

namespace forms {

namespace {

constexpr int kNearPixels = 4;       // how far from a mark a pointer still names or takes it
constexpr double kKeyZoom = 0.5;     // + halves the span, - doubles it
constexpr double kNotchZoom = 0.8;   // one notch of the wheel
constexpr double kNotchPan = 0.1;    // of the span, a notch sideways or Shift+Left or Right
constexpr int kShortestStrip = 240;  // pixels

QString seconds(qint64 ms, qint64 span) {
    const int decimals = span < 1000 ? 3 : span < 10000 ? 2 : 1;
    return QStringLiteral("%1 s").arg(static_cast<double>(ms) / 1000.0, 0, 'f', decimals);
}

QPolygon diamond(int x, int middle, int half) {
    return QPolygon({QPoint(x, middle - half), QPoint(x + half * 2 / 3 + 1, middle),
                     QPoint(x, middle + half), QPoint(x - half * 2 / 3 - 1, middle)});
}

}  // namespace

TimeStrip::TimeStrip(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("Timeline"));
    setAccessibleName(QStringLiteral("Timeline"));
    setToolTip(
        QStringLiteral("Each run at its time, a lane for each effect: a click goes to that "
                       "moment; + and - or the wheel zoom, Shift with the wheel or Left and Right "
                       "moves along"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setLanes({});
}

void TimeStrip::setHistory(const History* history) {
    if (history_ == history) return;
    history_ = history;
    refresh();
}

void TimeStrip::setLanes(const std::vector<Lane>& lanes) {
    std::vector<Lane> all = lanes;
    all.push_back({QStringLiteral("You and the user"), -1});
    if (all == lanes_) return;
    lanes_ = std::move(all);
    laneByEffect_.clear();
    namesWidth_ = 0;
    for (std::size_t lane = 0; lane < lanes_.size(); ++lane) {
        namesWidth_ = std::max(namesWidth_, fontMetrics().horizontalAdvance(lanes_[lane].name));
        if (const int effect = lanes_[lane].effect; effect >= 0) {
            if (laneByEffect_.size() <= static_cast<std::size_t>(effect))
                laneByEffect_.resize(static_cast<std::size_t>(effect) + 1, -1);
            laneByEffect_[static_cast<std::size_t>(effect)] = static_cast<int>(lane);
        }
    }
    namesWidth_ += 8;
    lanesPicture_ = {};
    updateGeometry();
    update();
}

// While time runs the span rolls with now; held, the cursor is the last run done.
void TimeStrip::showFrame(qint64 now, bool held) {
    held_ = held;
    const std::size_t runs = history_ ? history_->runs() : 0;
    const qint64 first = runs > 0 ? history_->timeOf(0) : now;
    const qint64 last = runs > 0 ? std::max(now, history_->timeOf(runs - 1)) : now;
    qint64 cursor = now;
    if (held && runs > 0)
        cursor = history_->timeOf(std::max<std::size_t>(history_->moment(), 1) - 1);
    span_.show(first, last, cursor, !held);
    refresh();
}

void TimeStrip::refresh() {
    Shown shown{span_, 0, 0, -1, -1};
    if (history_ && history_->runs() > 0) {
        shown.runs = history_->runs();
        shown.moment = history_->moment();
        shown.firstTime = history_->timeOf(0);
        shown.lastTime = history_->timeOf(shown.runs - 1);
    }
    if (shown == shown_) return;
    shown_ = shown;
    update();
    shownChanged_();
}

void TimeStrip::zoom(double factor, qint64 around) {
    span_.zoom(factor, around);
    refresh();
}

void TimeStrip::goToTime(qint64 time) {
    if (!history_) return;
    if (!held_) pause_();
    setValue(static_cast<int>(history_->runAfter(time)));
}

int TimeStrip::xOf(qint64 time) const {
    const QRect area = timeArea();
    return area.left() + static_cast<int>(std::floor(span_.xOf(time, area.width())));
}

qint64 TimeStrip::timeAt(int x) const {
    const QRect area = timeArea();
    return span_.timeAt(x - area.left(), area.width());
}

QSize TimeStrip::sizeHint() const {
    return {namesWidth_ + kShortestStrip,
            laneHeight() * static_cast<int>(lanes_.size()) + fontMetrics().height() + 6};
}

QSize TimeStrip::minimumSizeHint() const {
    return {namesWidth_ + kShortestStrip / 2, sizeHint().height()};
}

// Beside the names, with room at both ends for half a mark.
QRect TimeStrip::timeArea() const {
    const int room = laneHeight() / 2;
    return {namesWidth_ + room, 2, std::max(1, width() - namesWidth_ - room * 2 - 2),
            laneHeight() * static_cast<int>(lanes_.size())};
}

int TimeStrip::laneHeight() const {
    return fontMetrics().height();
}

int TimeStrip::laneOf(std::size_t run) const {
    return laneOf(history_->runnerOf(run));
}

int TimeStrip::laneOf(const History::Runner& runner) const {
    const auto effect = static_cast<std::size_t>(runner.effect);
    if (runner.handler.isEmpty() || runner.effect < 0 || effect >= laneByEffect_.size() ||
        laneByEffect_[effect] < 0)
        return static_cast<int>(lanes_.size()) - 1;
    return laneByEffect_[effect];
}

int TimeStrip::laneAt(int y) const {
    const int lane = (y - timeArea().top()) / laneHeight();
    return y >= timeArea().top() && lane < static_cast<int>(lanes_.size()) ? lane : -1;
}

// The run whose mark is nearest the point on its lane, within a few pixels.
std::optional<std::size_t> TimeStrip::runNear(QPoint at) const {
    const int lane = laneAt(at.y());
    if (!history_ || lane < 0) return std::nullopt;
    const std::size_t first = history_->runAfter(timeAt(at.x() - kNearPixels) - 1);
    const std::size_t last = history_->runAfter(timeAt(at.x() + kNearPixels));
    std::optional<std::size_t> nearest;
    int distance = kNearPixels + 1;
    for (std::size_t run = first; run < last; ++run) {
        const int off = std::abs(xOf(history_->timeOf(run)) - at.x());
        if (laneOf(run) == lane && off < distance) nearest = run, distance = off;
    }
    return nearest;
}

// "frmAnimate.Timer4_Timer, 12.340 s"; a run of no handler by who made it.
QString TimeStrip::runText(std::size_t run) const {
    const History::Runner& runner = history_->runnerOf(run);
    QString who = runner.handler;
    if (who.isEmpty()) who = Author{runner.by}.text();
    if (runner.index >= 0) who += QStringLiteral("(%1)").arg(runner.index);
    return QStringLiteral("%1, %2 s")
        .arg(who)
        .arg(static_cast<double>(history_->timeOf(run)) / 1000.0, 0, 'f', 3);
}

bool TimeStrip::event(QEvent* event) {
    if (event->type() == QEvent::Polish) {
        // The style's polish clears this; painted whole, the strip spares its parent a paint.
        const bool done = QSlider::event(event);
        setAttribute(Qt::WA_OpaquePaintEvent);
        return done;
    }
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange)
        lanesPicture_ = {};
    if (event->type() != QEvent::ToolTip) return QSlider::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const auto run = runNear(help->pos());
    QToolTip::showText(help->globalPos(), run ? runText(*run) : toolTip(), this);
    return true;
}

void TimeStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawLanes(painter);
    painter.save();
    painter.setClipRect(timeArea().adjusted(-laneHeight() / 2, 0, laneHeight() / 2, 0));
    drawRuns(painter);
    drawCursor(painter);
    painter.restore();
    drawSpanEnds(painter);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

// The lanes change only with the strip's size, look or lanes: laid out once, they are copied.
void TimeStrip::drawLanes(QPainter& painter) {
    const qreal ratio = devicePixelRatioF();
    if (const QSize pixels = size() * ratio;
        lanesPicture_.size() != pixels || lanesPicture_.devicePixelRatio() != ratio) {
        lanesPicture_ = QPixmap(pixels);
        lanesPicture_.setDevicePixelRatio(ratio);
        lanesPicture_.fill(palette().color(QPalette::Base));
        QPainter picture(&lanesPicture_);
        drawLanesOnce(picture);
    }
    painter.drawPixmap(0, 0, lanesPicture_);
}

void TimeStrip::drawLanesOnce(QPainter& painter) const {
    const QRect area = timeArea();
    const int height = laneHeight();
    painter.setFont(font());
    for (std::size_t lane = 0; lane < lanes_.size(); ++lane) {
        const QRect row(0, area.top() + static_cast<int>(lane) * height, width(), height);
        if (lane % 2 == 1) painter.fillRect(row, palette().color(QPalette::AlternateBase));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(row.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         lanes_[lane].name);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(namesWidth_, area.top(), namesWidth_, area.bottom());
}

// Only the runs in the span, and of many in one pixel column, one mark a lane: a tick for a
// repeat (a timer's, a pointer move's), a diamond for a single event. Runs stepped back over
// are drawn faint. Each runner's runs are visited a column at a time, from one to the first in a
// later column: ten minutes of a timer's ticks cost a look-up a column, not a visit a run.
void TimeStrip::drawRuns(QPainter& painter) {
    if (!history_ || history_->runs() == 0) return;
    const QRect area = timeArea();
    const std::size_t first = history_->runAfter(span_.start() - 1);
    const std::size_t last = history_->runAfter(span_.end()), moment = history_->moment();
    const auto columns = static_cast<std::size_t>(area.width()) + 2;
    // By lane, faint or not and tick or event, the columns with a mark.
    marked_.assign(lanes_.size() * 4 * columns, 0);
    const auto markAt = [&](int lane, bool faint, bool tick) -> std::uint8_t* {
        const auto kind = static_cast<std::size_t>(lane) * 4 + (faint ? 2u : 0u) + (tick ? 1u : 0u);
        return marked_.data() + kind * columns;
    };
    const std::vector<History::Runner>& runners = history_->runners();
    for (std::size_t runner = 0; runner < runners.size(); ++runner) {
        const int lane = laneOf(runners[runner]);
        const bool tick = runners[runner].repeats;
        markColumns(runner, first, std::min(last, moment), markAt(lane, false, tick));
        markColumns(runner, std::max(first, moment), last, markAt(lane, true, tick));
    }
    drawMarks(painter, marked_, columns);
}

// The columns of `runner`'s runs in [from, to), from the strip's left.
void TimeStrip::markColumns(std::size_t runner, std::size_t from, std::size_t to,
                            std::uint8_t* columns) const {
    const QRect area = timeArea();
    const auto columnOf = [&](qint64 time) {  // as xOf(), from the left of the time area
        return static_cast<int>(std::floor(span_.xOf(time, area.width())));
    };
    History::RunsOf runs = history_->runsOf(runner);
    runs.skipTo(from, LLONG_MIN);
    for (std::size_t run = runs.run(); run < to; run = runs.run()) {
        const int column = columnOf(history_->timeOf(run));
        columns[std::clamp(column, 0, area.width() + 1)] = 1;
        // The first time that falls in a later column.
        qint64 later = span_.timeAt(column + 1, area.width());
        while (columnOf(later) <= column) ++later;
        while (columnOf(later - 1) > column) --later;
        runs.skipTo(run + 1, later);
    }
}

// Ticks in neighbouring columns make one band; a diamond for each event, left to right.
void TimeStrip::drawMarks(QPainter& painter, const std::vector<std::uint8_t>& marked,
                          std::size_t columns) const {
    const QRect area = timeArea();
    const int height = laneHeight();
    const QColor colours[2] = {palette().color(QPalette::Text),
                               palette().color(QPalette::PlaceholderText)};
    for (int faint = 0; faint < 2; ++faint) {
        for (std::size_t lane = 0; lane < lanes_.size(); ++lane) {
            const int middle = area.top() + static_cast<int>(lane) * height + height / 2;
            const auto dim = static_cast<std::size_t>(faint) * 2;
            const std::uint8_t* ticks = marked.data() + (lane * 4 + dim + 1) * columns;
            for (std::size_t column = 0; column < columns; ++column) {
                if (!ticks[column]) continue;
                std::size_t end = column;
                while (end + 1 < columns && ticks[end + 1]) ++end;
                painter.fillRect(
                    QRect(QPoint(area.left() + static_cast<int>(column), middle - height / 4),
                          QPoint(area.left() + static_cast<int>(end), middle + height / 4)),
                    colours[faint]);
                column = end;
            }
        }
        painter.setBrush(faint ? colours[1] : palette().color(QPalette::Highlight));
        painter.setPen(faint ? colours[1] : palette().color(QPalette::Text));
        for (std::size_t lane = 0; lane < lanes_.size(); ++lane) {
            const int middle = area.top() + static_cast<int>(lane) * height + height / 2;
            const auto dim = static_cast<std::size_t>(faint) * 2;
            const std::uint8_t* events = marked.data() + (lane * 4 + dim) * columns;
            for (std::size_t column = 0; column < columns; ++column)
                if (events[column])
                    painter.drawPolygon(
                        diamond(area.left() + static_cast<int>(column), middle, height * 2 / 5));
        }
    }
}

void TimeStrip::drawCursor(QPainter& painter) const {
    const QRect area = timeArea();
    const int x = xOf(span_.cursor());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawLine(std::min(x, area.right() - 1), area.top(), std::min(x, area.right() - 1),
                     area.bottom());
}

// The times at the span's two ends, under the lanes.
void TimeStrip::drawSpanEnds(QPainter& painter) const {
    const QRect area = timeArea();
    const QRect below(area.left(), area.bottom() + 1, area.width(), height() - area.bottom() - 2);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(below, Qt::AlignLeft | Qt::AlignVCenter,
                     seconds(span_.start(), span_.length()));
    painter.drawText(below, Qt::AlignRight | Qt::AlignVCenter,
                     seconds(span_.end(), span_.length()));
    if (!span_.whole())
        painter.drawText(below, Qt::AlignHCenter | Qt::AlignVCenter,
                         QStringLiteral("%1 across").arg(seconds(span_.length(), span_.length())));
}

// A click or a drag goes to the moment under the pointer; a mark a few pixels to the right
// counts as under it.
void TimeStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QSlider::mousePressEvent(event);
    dragging_ = true;
    mouseMoveEvent(event);
}

void TimeStrip::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QRect area = timeArea();
    const int x = std::clamp(event->position().toPoint().x(), area.left(), area.right());
    if (!history_)
        return setValue(
            QStyle::sliderValueFromPosition(minimum(), maximum(), x - area.left(), area.width()));
    goToTime(timeAt(x + kNearPixels / 2));
}

void TimeStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

// The wheel zooms; turned sideways, or with Shift, it moves the span along.
void TimeStrip::wheelEvent(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    const bool along = angle.x() != 0 || event->modifiers().testFlag(Qt::ShiftModifier);
    const double notches = (angle.x() != 0 ? angle.x() : angle.y()) / 120.0;
    if (notches == 0) return event->ignore();
    if (along)
        pan(-notches * kNotchPan);
    else
        zoom(std::pow(kNotchZoom, notches), timeAt(event->position().toPoint().x()));
    event->accept();
}

void TimeStrip::pan(double shares) {
    if (span_.whole()) return;
    if (!held_) pause_();
    span_.pan(shares);
    refresh();
}

void TimeStrip::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return zoom(kKeyZoom, span_.cursor());
        case Qt::Key_Minus:
            return zoom(1 / kKeyZoom, span_.cursor());
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (!event->modifiers().testFlag(Qt::ShiftModifier))
                return QSlider::keyPressEvent(event);
            return pan(event->key() == Qt::Key_Left ? -kNotchPan : kNotchPan);
        default:
            return QSlider::keyPressEvent(event);
    }
}

}  // namespace forms
