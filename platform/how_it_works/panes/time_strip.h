#pragma once

#include <QPixmap>
#include <QSlider>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/how_it_works/panes/time_span.h"
#include "platform/how_it_works/records/history.h"

namespace forms {

// The Timeline drawn as time: a lane for each effect and one for the runs of no effect (the
// user's, the watcher's, the runtime's), each run a mark at its time on its lane, a timer's
// ticks thin and short, a single event tall, so each timer's pace reads as a rhythm. The moment
// shown is a line across the lanes. It is still a slider of the runs done, read and moved as
// one (arrows, Page Up and Down, Home and End); + and - or the wheel zoom, a click or a drag
// goes to the moment under the pointer. It draws what the history holds only when a frame
// shows something new, never per run.
class TimeStrip final : public QSlider {
  public:
    struct Lane {
        QString name;
        int effect;
        bool operator==(const Lane& other) const = default;
    };

    explicit TimeStrip(QWidget* parent);

    void setHistory(const History* history);
    // The effects' lanes, in the order of the Effect choice; "You and the user" comes last.
    void setLanes(const std::vector<Lane>& lanes);
    // Before a click goes to a moment while time runs: to hold time.
    void onMoveWhileRunning(std::function<void()> pause) { pause_ = std::move(pause); }
    // Told when what the strip and the plots show changed: the span, the cursor or the runs.
    void onShownChanged(std::function<void()> told) { shownChanged_ = std::move(told); }

    const TimeSpan& span() const { return span_; }
    // Brings the strip up to date for a frame: `now` on the runtime's clock, time held or not.
    void showFrame(qint64 now, bool held);
    // Goes to the moment of a time: the runs that began by then done.
    void goToTime(qint64 time);
    // Where a time falls on the strip, in its own pixels, and the time under a place on it.
    int xOf(qint64 time) const;
    qint64 timeAt(int x) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // What a frame shows; drawn again only when it differs.
    struct Shown {
        TimeSpan span;
        std::size_t runs = 0, moment = 0;
        qint64 firstTime = -1, lastTime = -1;
        bool operator==(const Shown& other) const = default;
    };
    void refresh();
    void zoom(double factor, qint64 around);
    void pan(double shares);
    QRect timeArea() const;
    int laneHeight() const;
    int laneOf(std::size_t run) const;
    int laneOf(const History::Runner& runner) const;
    int laneAt(int y) const;
    std::optional<std::size_t> runNear(QPoint at) const;
    QString runText(std::size_t run) const;
    void drawLanes(QPainter& painter);
    void drawLanesOnce(QPainter& painter) const;
    void drawRuns(QPainter& painter);
    void markColumns(std::size_t runner, std::size_t from, std::size_t to,
                     std::uint8_t* columns) const;
    void drawMarks(QPainter& painter, const std::vector<std::uint8_t>& marked,
                   std::size_t columns) const;
    void drawCursor(QPainter& painter) const;
    void drawSpanEnds(QPainter& painter) const;

    const History* history_ = nullptr;
    std::vector<Lane> lanes_;
    std::vector<int> laneByEffect_;  // by effect, -1 for one without a lane
    int namesWidth_ = 0;
    QPixmap lanesPicture_;  // the lanes and their names, drawn once for the frames to come
    std::vector<std::uint8_t> marked_;  // drawRuns()'s columns, kept for the next frame's
    TimeSpan span_;
    Shown shown_;
    bool held_ = false;
    bool dragging_ = false;
    std::function<void()> pause_ = [] {};
    std::function<void()> shownChanged_ = [] {};
};

}  // namespace forms
