// A thread that cannot start ends the program with one line, where Qt would wait for it for ever.
// The start-up check of the address space refuses the limits seen in practice first; this is
// what still holds past it.

#include "platform/startup/thread_start_failure.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QThread>
#include <memory>

namespace {

// The address space the process has mapped now.
rlim_t mappedBytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmSize:"))
            return line.mid(7).trimmed().split(' ')[0].toULongLong() << 10;
    return 0;
}

// Starts a thread under an address-space limit that leaves no room for its stack.
void startAThreadWithNoRoomForItsStack() {
    constexpr rlim_t kMiB = 1 << 20;
    const std::unique_ptr<QThread> thread(QThread::create([] {}));
    thread->setStackSize(64 * kMiB);
    const rlimit limit{mappedBytes() + 16 * kMiB, RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &limit);
    thread->start();
    thread->wait();
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

TEST(ThreadStartFailureDeathTest, EndsTheProgramWithOneLineSayingMemoryRanOut) {
    if (kSanitized) GTEST_SKIP() << "a sanitizer's shadow memory does not fit under the limit";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            forms::endWhenAThreadCannotStart("Program");
            startAThreadWithNoRoomForItsStack();
        },
        testing::ExitedWithCode(1),
        "Program cannot run: not enough memory to start a thread \\(.+\\)");
}

}  // namespace
