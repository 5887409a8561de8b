#include "walk/isolated.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryFile>
#include <QTextStream>
#include <chrono>
#include <cstdio>
#include <functional>
#include <set>

#include "platform/startup/program.h"
#include "walk/walk.h"

namespace walk {

namespace {

// Runs `body` in a child with an application of its own; the actions it did and its fault, a
// crash included.
Failure inChild(const std::function<Failure(const ActionLog&)>& body, std::vector<Action>& done) {
    QTemporaryFile file;
    file.open();
    const QString path = file.fileName();
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child == 0) {
        QFile out(path);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        static int argc = 1;
        static char name[] = "walk_test";
        static char* argv[] = {name, nullptr};
        QApplication application(argc, argv);
        forms::prepareApplication("Kinemora");
        const Failure failure = body([&out](const Action& action) {
            out.write((action.serialize() + QLatin1Char('\n')).toUtf8());
            out.flush();
        });
        out.write(QStringLiteral("END\t%1\t%2\n")
                      .arg(failure.step)
                      .arg(QString::fromLatin1(failure.message.toUtf8().toHex()))
                      .toUtf8());
        out.flush();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    done.clear();
    QFile in(path);
    in.open(QIODevice::ReadOnly);
    for (const QByteArray& line : in.readAll().split('\n')) {
        if (line.isEmpty()) continue;
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QLatin1String("END\t")))
            return {text.section(QLatin1Char('\t'), 1, 1).toInt(),
                    QString::fromUtf8(
                        QByteArray::fromHex(text.section(QLatin1Char('\t'), 2).toLatin1()))};
        done.push_back(Action::deserialize(text));
    }
    const int signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    const QString last = done.empty() ? QString() : done.back().describe();
    return {static_cast<int>(done.size()) - 1,
            QStringLiteral("crash: signal %1 in %2\n    after step %3 (%4)")
                .arg(signal)
                .arg(last.section(QLatin1Char(' '), 0, 1))
                .arg(done.size() - 1)
                .arg(last)};
}

// A crash's kind names the action that crashed: crashes of different actions are different faults.
QString kindOf(const Failure& failure) {
    if (failure.kind() != QLatin1String("crash")) return failure.kind();
    return failure.message.section(QLatin1Char('\n'), 0, 0);
}

}  // namespace

int walkIsolated(std::uint32_t firstSeed, int sequences, int steps, int seconds) {
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::set<QString> kinds;
    long total = 0;
    int faults = 0;
    for (std::uint32_t seed = firstSeed;
         seconds > 0 ? elapsed() < seconds : seed < firstSeed + std::uint32_t(sequences); ++seed) {
        std::printf("walk: seed %u\n", seed);
        std::vector<Action> done;
        const Failure failure = inChild(
            [&](const ActionLog& log) {
                std::vector<Action> d;
                return walkRandom(seed, steps, d, log);
            },
            done);
        total += static_cast<long>(done.size());
        if (!failure.failed()) continue;
        ++faults;
        const QString kind = kindOf(failure);
        if (!kinds.insert(kind).second) {
            std::printf("walk: seed %u fails again as: %s\n", seed, qPrintable(kind));
            continue;
        }
        std::vector<Action> failing(done.begin(), done.begin() + failure.step + 1);
        Failure shortest = failure;
        failing = shrink(failing, [&](const std::vector<Action>& candidate) {
            std::vector<Action> ran;
            const Failure f =
                inChild([&](const ActionLog& log) { return replay(candidate, log); }, ran);
            if (!f.failed() || kindOf(f) != kind) return false;
            shortest = f;
            return true;
        });
        std::printf("walk: seed %u: a new fault: %s\n%s\n", seed, qPrintable(kind),
                    qPrintable(report(shortest, failing)));
        std::fflush(stdout);
    }
    const double s = elapsed();
    std::printf(
        "walk: %ld steps in %.1f s (%.0f steps a second); %d sequences failed, %zu kinds of "
        "fault\n",
        total, s, double(total) / s, faults, kinds.size());
    return faults > 0 ? 1 : 0;
}

}  // namespace walk
