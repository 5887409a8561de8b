#include "startup_probe.h"

#include <time.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

QByteArray peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return "0";
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0);
    return "0";
}

class FirstFrame final : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint || seen_) return false;
        seen_ = true;
        QTimer::singleShot(0, [] {
            const long long at = monotonicNs();
            std::printf("first-frame-ns %lld\npeak-rss-kb %s\n", at, peakResidentKb().constData());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        return false;
    }

  private:
    bool seen_ = false;
};

// Runs as soon as the application object exists, before the program builds any window.
void installProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstFrame);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
