// Runs the real main window on the real clock and event loop with every timer effect on
// while a stream of pointer moves sweeps the window, and prints one figure a line.

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPaintEvent>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "app/project.h"
#include "bench/history_bench.h"
#include "forms/animate/frmAnimate.h"
#include "platform/how_it_works/panes/code_pane.h"

using kinemora::frmAnimate;

namespace {

// Seconds since the process started, from the kernel's own record of its start.
double processAge() {
    QFile stat(QStringLiteral("/proc/self/stat")), uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return 0;
    const QByteArray fields = stat.readAll();
    const QList<QByteArray> afterName = fields.mid(fields.lastIndexOf(')') + 2).split(' ');
    const double started = afterName.value(19).toDouble() / sysconf(_SC_CLK_TCK);
    return uptime.readAll().split(' ').value(0).toDouble() - started;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Counts every paint in the program and the area it covers.
class PaintMeter final : public QObject {
  public:
    quint64 paints = 0;
    qint64 area = 0;
    void reset() { paints = 0, area = 0; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                area += qint64(r.width()) * r.height();
        }
        return false;
    }
};

// The handlers run, by name, with the moment each one started.
struct TickLog {
    QElapsedTimer clock;
    std::map<QString, std::vector<qint64>> starts;
    void record(const QString& handler) { starts[handler].push_back(clock.nsecsElapsed()); }
    double perSecond(const QString& handler, double seconds) const {
        const auto it = starts.find(handler);
        return it == starts.end() ? 0 : it->second.size() / seconds;
    }
    double longestGapMs(const QString& handler) const {
        const auto it = starts.find(handler);
        qint64 longest = 0;
        if (it != starts.end())
            for (std::size_t i = 1; i < it->second.size(); ++i)
                longest = std::max(longest, it->second[i] - it->second[i - 1]);
        return longest / 1e6;
    }
};

// Lets the event loop run, idle between events, for `ms` milliseconds.
void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

class Bench {
  public:
    explicit Bench(frmAnimate& form) : f_(form), window_(form.window()->windowHandle()) {}

    QPoint centre(const forms::Control& c) const {
        return c.widget()->mapTo(f_.window(), c.widget()->rect().center());
    }
    void click(const forms::Control& c) {
        QTest::mouseClick(window_, Qt::LeftButton, {}, centre(c));
    }
    void move(QPoint at) { QTest::mouseMove(window_, at); }

    void startEveryTimerEffect() {
        click(f_.cmdFlasher);
        click(f_.imgFace);
        f_.hsbSpeed.Value = 10;
        click(f_.cmdDirection(0));
        click(f_.cmdScroll(2));
        click(f_.cmdScroll(2));
    }
    void stopEveryTimerEffect() {
        for (forms::Timer* t : {&f_.Timer1, &f_.Timer2, &f_.Timer3, &f_.Timer4}) t->Enabled = false;
    }

    // The places the pointer stream visits: the window's surface, the menu frame, a lit bar
    // and the question mark.
    std::vector<QPoint> sweep() const {
        const QPoint frame = f_.fraMenu.widget()->mapTo(f_.window(), QPoint(1, 10));
        return {QPoint(700, 20), frame, centre(f_.imgMenu(0)), centre(f_.imgGreatest),
                QPoint(250, 230)};
    }

    frmAnimate& f_;
    QWindow* window_;
};

// How It Works' Pause button and Timeline, or nulls while it is not there.
std::pair<QPushButton*, QSlider*> timeBar() {
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == QLatin1String("How It Works")) window = w;
    if (!window) return {};
    QPushButton* pause = nullptr;
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->text() == QLatin1String("Pause")) pause = b;
    return {pause, window->findChild<QSlider*>()};
}

// How It Works' Trail turned on, so that the figures cover it with the strip and the plots.
void turnTrailOn() {
    for (QWidget* w : QApplication::topLevelWidgets())
        for (QCheckBox* box : w->findChildren<QCheckBox*>())
            if (box->text() == QLatin1String("Trail")) box->setChecked(true);
}

// Pauses How It Works, moves its timeline back over `runs` runs and returns the time that
// took until the windows had drawn that moment; then moves it to the end again.
double moveTimeline(int runs) {
    const auto [pause, timeline] = timeBar();
    if (!pause || !timeline) return 0;
    pause->setChecked(true);
    QElapsedTimer moving;
    moving.start();
    timeline->setValue(timeline->maximum() - runs);
    QApplication::processEvents();  // the windows draw what they show then
    const double ms = moving.nsecsElapsed() / 1e6;
    timeline->setValue(timeline->maximum());
    pause->setChecked(false);
    return ms;
}

// --two-minutes: every timer effect runs two minutes with How It Works open and watching; the
// runs its history then keeps, and the peak memory.
int twoMinutesOfEveryTimerEffect(Bench& bench) {
    bench.startEveryTimerEffect();
    wait(120000);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto [pause, timeline] = timeBar();
    if (!pause || !timeline) return 1;
    pause->setChecked(true);
    QApplication::processEvents();
    std::printf("runs kept after two minutes of every timer effect: %d\n", timeline->maximum());
    std::printf("peak resident memory, two minutes of every timer effect: %.1f MB\n",
                usage.ru_maxrss / 1024.0);
    return 0;
}

// The time the Code pane takes to show another effect's handler and draw it, as Follow does
// when the last handler to run is another effect's: the mean over `times` switches.
double switchCodeMs(int times) {
    forms::CodePane* pane = nullptr;
    for (QWidget* w : QApplication::allWidgets())
        if (!pane) pane = dynamic_cast<forms::CodePane*>(w);
    if (!pane) return 0;
    QElapsedTimer switching;
    switching.start();
    for (int i = 0; i < times; ++i) {
        pane->showMethod(QStringLiteral("frmAnimate"),
                         i % 2 ? QStringLiteral("Timer4_Timer") : QStringLiteral("Timer3_Timer"));
        QApplication::processEvents();  // it draws what it shows
    }
    return switching.nsecsElapsed() / 1e6 / times;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    forms::prepareApplication("Kinemora");
    const QStringList arguments = application.arguments();
    if (const auto minutes = arguments.indexOf(QStringLiteral("--history-minutes")); minutes > 0)
        return historyMinutes(arguments.value(minutes + 1, QStringLiteral("10")).toInt());
    forms::Runtime runtime;
    PaintMeter meter;
    application.installEventFilter(&meter);
    TickLog ticks;
    ticks.clock.start();
    const forms::HandlerStarts tickWatch(
        [&ticks](const QString& handler) { ticks.record(handler); });

    auto& form = static_cast<frmAnimate&>(forms::startProject(runtime, kinemora::project()));
    if (!QTest::qWaitForWindowExposed(form.window())) return 1;
    const double startup = processAge();
    // --how-it-works: the same figures with the How It Works window open and watching.
    const bool watching = application.arguments().contains(QStringLiteral("--how-it-works"));
    if (watching) {
        runtime.showHelp();
        turnTrailOn();
    }
    Bench bench(form);
    wait(300);
    if (watching && application.arguments().contains(QStringLiteral("--two-minutes")))
        return twoMinutesOfEveryTimerEffect(bench);

    // 1. Everything at once for 10 s, with 200 pointer moves a second.
    const std::vector<QPoint> places = bench.sweep();
    bench.startEveryTimerEffect();
    ticks.starts.clear();
    meter.reset();
    int step = 0;
    QTimer pointer;
    pointer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pointer, &QTimer::timeout, [&] {
        const QPoint at = places[(step / 40) % places.size()] + QPoint(step % 7, step % 5);
        ++step;
        bench.move(at);
    });
    const double cpuBefore = cpuSeconds();
    QElapsedTimer elapsed;
    elapsed.start();
    pointer.start(5);
    wait(10000);
    pointer.stop();
    const double seconds = elapsed.nsecsElapsed() / 1e9;
    const double cpu = (cpuSeconds() - cpuBefore) / seconds * 100;
    const double paintsPerSecond = meter.paints / seconds;
    const TickLog loaded = ticks;

    // 2. The ball alone: the area each of its ticks repaints.
    bench.stopEveryTimerEffect();
    wait(300);
    ticks.starts.clear();
    meter.reset();
    bench.click(form.cmdDirection(1));
    wait(2000);
    const auto ballTicks = ticks.starts["frmAnimate.Timer4_Timer"].size();
    const double areaPerTick = ballTicks ? double(meter.area) / ballTicks : 0;
    const double ballPaintsPerTick = ballTicks ? double(meter.paints) / ballTicks : 0;
    bench.stopEveryTimerEffect();

    // 3. The pointer stream over settled places: each place is visited once to settle it,
    // then moved over again and again.
    quint64 settledPaints = 0;
    for (const QPoint& place : places) {
        bench.move(place);
        wait(300);
        meter.reset();
        for (int i = 0; i < 200; ++i) bench.move(place + QPoint(i % 7, i % 5));
        wait(100);
        settledPaints += meter.paints;
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double peakMb = usage.ru_maxrss / 1024.0;
    // 4. Watching: clicks that each make a row, until the Events log holds all it keeps.
    // Then paused, the timeline moved back over 1,000 runs and forward again. Always the same
    // direction: the ball's two axes share one step, so switching axes faster than it ticks
    // can carry one past its end a step at a time, until its Integer overflows.
    double timelineMs = 0, switchMs = 0;
    if (watching) {
        for (int i = 0; i < 10100; ++i) bench.click(form.cmdDirection(0));
        wait(300);
        getrusage(RUSAGE_SELF, &usage);
        timelineMs = moveTimeline(1000);
        switchMs = switchCodeMs(200);
    }

    std::printf("platform: %s%s\n", qPrintable(QGuiApplication::platformName()),
                watching ? ", How It Works open" : "");
    const struct {
        const char* timer;
        const char* handler;
        double nominal;
    } rates[] = {{"Timer1", "frmAnimate.Timer1_Timer", 5},
                 {"Timer2", "frmAnimate.Timer2_Timer", 10},
                 {"Timer3", "frmAnimate.Timer3_Timer", 10},
                 {"Timer4", "frmAnimate.Timer4_Timer", 100}};
    for (const auto& r : rates)
        std::printf("%s ticks per second: %.1f (nominal %.0f)\n", r.timer,
                    loaded.perSecond(r.handler, seconds), r.nominal);
    std::printf("Timer4 longest gap between ticks: %.1f ms\n",
                loaded.longestGapMs("frmAnimate.Timer4_Timer"));
    std::printf("CPU time: %.2f %% of one core\n", cpu);
    std::printf("repaints per second: %.1f\n", paintsPerSecond);
    std::printf("repainted area per Timer4 tick: %.0f pixels (the ball is 23 x 23)\n", areaPerTick);
    std::printf("paint events per Timer4 tick: %.2f\n", ballPaintsPerTick);
    std::printf("repaints from the pointer stream once settled: %llu\n",
                static_cast<unsigned long long>(settledPaints));
    std::printf("start-up to main window shown: %.0f ms\n", startup * 1000);
    std::printf("peak resident memory: %.1f MB\n", peakMb);
    if (watching) {
        std::printf("peak resident memory, Events log and history full: %.1f MB\n",
                    usage.ru_maxrss / 1024.0);
        std::printf("timeline moved over 1000 runs: %.1f ms\n", timelineMs);
        std::printf("Code pane showing another effect's handler: %.2f ms\n", switchMs);
    }
    return 0;
}
