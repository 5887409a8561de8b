// --history-minutes N: every timer effect played for N minutes of program time on a virtual
// clock with How It Works open, as fast as it goes; then the Timeline moved to 20 moments spread
// over the history, each timed until the windows have drawn it.

#include "bench/history_bench.h"

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/project.h"
#include "forms/animate/frmAnimate.h"
#include "platform/startup/program.h"
#include "platform/time/clock.h"

namespace {

double peakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

QWidget* howItWorks() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == QLatin1String("How It Works")) return w;
    return nullptr;
}

QPushButton* buttonOf(QWidget* window, const char* text) {
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->text() == QLatin1String(text)) return b;
    return nullptr;
}

void click(kinemora::frmAnimate& f, const forms::Control& c) {
    const QPoint centre = c.widget()->mapTo(f.window(), c.widget()->rect().center());
    QTest::mouseClick(f.window()->windowHandle(), Qt::LeftButton, {}, centre);
}

void startEveryTimerEffect(kinemora::frmAnimate& f) {
    click(f, f.cmdFlasher);
    click(f, f.imgFace);
    f.hsbSpeed.Value = 10;
    click(f, f.cmdDirection(0));
    click(f, f.cmdScroll(2));
    click(f, f.cmdScroll(2));
}

// Plays `ms` of program time, letting Qt deliver what is pending every tenth of a second.
void play(forms::VirtualClock& clock, qint64 ms) {
    for (qint64 played = 0; played < ms; played += 100) {
        clock.advance(100);
        QCoreApplication::processEvents();
    }
}

double median(std::vector<double> values) {
    std::ranges::sort(values);
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int historyMinutes(int minutes) {
    auto owned = std::make_unique<forms::VirtualClock>();
    forms::VirtualClock& clock = *owned;
    forms::Runtime runtime(std::move(owned));
    auto& form =
        static_cast<kinemora::frmAnimate&>(forms::startProject(runtime, kinemora::project()));
    if (!QTest::qWaitForWindowExposed(form.window())) return 1;
    runtime.showHelp();
    QCoreApplication::processEvents();
    QWidget* window = howItWorks();
    QPushButton* pause = window ? buttonOf(window, "Pause") : nullptr;
    auto* timeline = window ? window->findChild<QSlider*>() : nullptr;
    if (!pause || !timeline) {
        std::fprintf(stderr, "kinemora_bench: How It Works did not show\n");
        return 1;
    }
    const double empty = peakMb();

    startEveryTimerEffect(form);
    QElapsedTimer playing;
    playing.start();
    play(clock, qint64{minutes} * 60000);
    const double played = playing.nsecsElapsed() / 1e9;
    pause->setChecked(true);
    QCoreApplication::processEvents();

    const int runs = timeline->maximum();
    std::vector<double> goes;
    for (int i = 0; i < 20; ++i) {
        const int moment = (i % 2 ? i : 19 - i) * runs / 19;  // back and forth across it
        QElapsedTimer going;
        going.start();
        timeline->setValue(moment);
        QCoreApplication::processEvents();  // the windows draw that moment
        goes.push_back(going.nsecsElapsed() / 1e6);
    }
    std::printf("history: %d runs, %.1f s\n", runs, played);
    std::printf("go to a moment: median %.1f ms, longest %.1f ms\n", median(goes),
                *std::ranges::max_element(goes));
    std::printf("peak memory: %.1f MB (empty history: %.1f MB)\n", peakMb(), empty);
    return 0;
}
