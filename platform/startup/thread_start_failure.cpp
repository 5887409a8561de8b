#include "platform/startup/thread_start_failure.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace forms {

namespace {

// How QThread::start reports that pthread_create failed; the reason follows in parentheses.
constexpr QStringView kThreadStartFailed = u"QThread::start: Thread creation error";

const char* g_title = "";
QtMessageHandler g_nextHandler = nullptr;

void endOnThreadStartFailure(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg && message.startsWith(kThreadStartFailed)) {
        const QString reason = message.mid(kThreadStartFailed.size()).trimmed();
        std::fprintf(stderr, "%s cannot run: not enough memory to start a thread %s\n", g_title,
                     qPrintable(reason));
        std::fflush(stderr);
        std::_Exit(1);  // another thread may be waiting on the one that never started
    }
    if (g_nextHandler) g_nextHandler(type, context, message);
}

}  // namespace

void endWhenAThreadCannotStart(const char* title) {
    g_title = title;
    const QtMessageHandler previous = qInstallMessageHandler(endOnThreadStartFailure);
    if (previous != endOnThreadStartFailure) g_nextHandler = previous;
}

}  // namespace forms
