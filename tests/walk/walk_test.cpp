// A random walk of learners' actions over the main window and How It Works, in process on the
// virtual clock: after every step the past How It Works shows is checked against what was lived.

#include "walk/walk.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <set>

#include "walk/options.h"

namespace {

using namespace walk;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr std::uint32_t kFixedSeed = 1;

// The shortest sequence failing like `failure` did, replayed on fresh programs.
std::vector<Action> shortestFailing(std::vector<Action> done, Failure& failure) {
    done.resize(static_cast<std::size_t>(failure.step) + 1);
    const QString kind = failure.kind();
    return shrink(done, [&](const std::vector<Action>& candidate) {
        const Failure again = replay(candidate);
        if (!again.failed() || again.kind() != kind) return false;
        failure = again;
        return true;
    });
}

TEST(Walk, LearnersActionsKeepWhatHowItWorksShowsOfThePastTrue) {
    const Options& given = options();
    const int steps = given.steps > 0 ? given.steps : 150;
    const int sequences = given.sequences > 0 ? given.sequences : (kSanitized ? 100 : 200);
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const std::uint32_t first = given.seconds > 0 ? std::random_device()() : kFixedSeed;
    std::set<QString> kinds;
    for (std::uint32_t seed = first;
         given.seconds > 0 ? elapsed() < given.seconds : seed < first + std::uint32_t(sequences);
         ++seed) {
        std::vector<Action> done;
        Failure failure = walkRandom(seed, steps, done);
        if (!failure.failed()) continue;
        if (!kinds.insert(failure.kind()).second) continue;  // shrunk once already
        const std::vector<Action> shortest = shortestFailing(done, failure);
        ADD_FAILURE() << "seed " << seed << ": " << qPrintable(report(failure, shortest));
        if (given.seconds == 0) break;  // CI: one fault is enough to say so
    }
    const double s = elapsed();
    std::printf("walk: %ld steps in %.1f s (%.0f steps a second)\n", stepsRun(), s,
                double(stepsRun()) / s);
}

}  // namespace
