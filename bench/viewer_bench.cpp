// Opens the code viewer over texts of every size, on the real event loop, and prints how soon
// it shows its text, how long the filling takes and the longest the window waits meanwhile.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPaintEvent>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/project.h"
#include "forms/code/frmCode.h"
#include "platform/controls/text_widget.h"

using kinemora::frmCode;

namespace {

// Notes the moment a widget first paints.
class FirstPaint final : public QObject {
  public:
    qint64 at = -1;
    const QElapsedTimer* clock = nullptr;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && at < 0) at = clock->elapsed();
        return false;
    }
};

// The longest the event loop kept a 1 ms timer waiting, while `busy` holds.
double longestStallMs(const std::function<bool()>& busy) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed(), longest = 0;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QEventLoop loop;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
        if (!busy()) loop.quit();
    });
    beat.start(1);
    loop.exec();
    return longest / 1e6;
}

// Peak resident memory of this process so far.
double peakResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

QByteArray lines(qint64 size) {
    const QByteArray line = QByteArray(78, 'x').replace(4, 1, " ") + "\r\n";
    QByteArray text;
    text.reserve(size);
    while (text.size() + line.size() <= size) text += line;
    return text;
}

QByteArray oneLine(qint64 size) {
    const QByteArray words("intStep = Abs(intSpeed) ");
    QByteArray text;
    text.reserve(size);
    while (text.size() + words.size() <= size) text += words;
    return text;
}

void measure(const char* name, const QByteArray& bytes) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("code.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return;
    file.close();

    forms::Runtime runtime;
    runtime.setAppPath(dir.path());
    QElapsedTimer clock;
    clock.start();
    forms::startProject(runtime, kinemora::project());
    const qint64 loaded = clock.elapsed();

    frmCode& code = forms::Instance<frmCode>();
    auto& box = static_cast<forms::TextWidget&>(*code.txtCode.widget());
    FirstPaint painted;
    painted.clock = &clock;
    box.viewport()->installEventFilter(&painted);
    clock.restart();
    code.Show();
    while (painted.at < 0 && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const qint64 shown = painted.at;
    const double stall = longestStallMs([&box] { return box.isFilling(); });
    const qint64 filled = clock.elapsed();

    clock.restart();
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
    box.viewport()->repaint();
    const qint64 toEnd = clock.elapsed();

    std::printf(
        "%s (%.1f MB): Form_Load %lld ms, viewer shows its text %lld ms after Show, "
        "filled after %lld ms, longest wait of the window %.1f ms, Ctrl+End %lld ms, "
        "%d scroll bar lines, peak resident %.0f MB\n",
        name, bytes.size() / 1e6, static_cast<long long>(loaded), static_cast<long long>(shown),
        static_cast<long long>(filled), stall, static_cast<long long>(toEnd),
        box.verticalScrollBar()->maximum(), peakResidentMb());
    std::fflush(stdout);
}

struct Case {
    const char* name;
    std::function<QByteArray()> text;
};

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"the real code.txt",
         [] {
             QFile real(QCoreApplication::applicationDirPath() + QStringLiteral("/code.txt"));
             return real.open(QIODevice::ReadOnly) ? real.readAll() : QByteArray();
         }},
        {"16 MiB of 80-character lines", [] { return lines(16 * 1024 * 1024); }},
        {"1 MiB on one line", [] { return oneLine(1024 * 1024); }},
        {"50 MB on one line", [] { return oneLine(50 * 1000 * 1000); }},
        {"50 MB of lines", [] { return lines(50 * 1000 * 1000); }},
    };
    return all;
}

}  // namespace

// Each text is measured in a process of its own, so that each peak of memory is its own.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    forms::prepareApplication("Kinemora");
    if (argc > 1) {
        const Case& one = cases().at(std::stoul(argv[1]));
        measure(one.name, one.text());
        return 0;
    }
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::fflush(stdout);
    for (std::size_t i = 0; i < cases().size(); ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QString::number(i)});
        if (!child.waitForFinished(120000) || child.exitCode() != 0) return 1;
    }
    return 0;
}
