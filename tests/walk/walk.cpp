#include "walk/walk.h"

#include <random>

#include "walk/model.h"
#include "walk/program.h"

namespace walk {

namespace {

long g_steps = 0;

// One action done and checked; the fault, or empty.
QString stepAndCheck(Program& program, Expectations& expected, const Action& action) {
    ++g_steps;
    if (QString fault = perform(program, action); !fault.isEmpty()) return fault;
    return expected.check(program, action);
}

Failure failureAt(int step, const Action& action, const QString& fault) {
    return {step,
            fault + QStringLiteral("\n    after step %1 (%2)").arg(step).arg(action.describe())};
}

}  // namespace

long stepsRun() {
    return g_steps;
}

Failure replay(const std::vector<Action>& actions, const ActionLog& log) {
    Program program;
    Expectations expected;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (log) log(actions[i]);
        if (QString fault = stepAndCheck(program, expected, actions[i]); !fault.isEmpty())
            return failureAt(static_cast<int>(i), actions[i], fault);
    }
    return {};
}

Failure walkRandom(std::uint32_t seed, int steps, std::vector<Action>& done, const ActionLog& log) {
    std::mt19937 random(seed);
    Program program;
    Expectations expected;
    done.clear();
    for (int i = 0; i < steps; ++i) {
        done.push_back(pickAction(random, program));
        if (log) log(done.back());
        if (QString fault = stepAndCheck(program, expected, done.back()); !fault.isEmpty())
            return failureAt(i, done.back(), fault);
    }
    return {};
}

std::vector<Action> shrink(std::vector<Action> failing,
                           const std::function<bool(const std::vector<Action>&)>& stillFails) {
    std::size_t parts = 2;
    while (failing.size() >= 2) {
        const std::size_t size = failing.size();
        const std::size_t chunk = (size + parts - 1) / parts;
        bool removed = false;
        for (std::size_t start = 0; start < size; start += chunk) {
            std::vector<Action> without(failing.begin(), failing.begin() + long(start));
            without.insert(without.end(), failing.begin() + long(std::min(size, start + chunk)),
                           failing.end());
            if (without.empty() || !stillFails(without)) continue;
            failing = std::move(without);
            parts = std::max<std::size_t>(parts - 1, 2);
            removed = true;
            break;
        }
        if (removed) continue;
        if (chunk == 1) break;  // no single step can go
        parts = std::min(parts * 2, size);
    }
    return failing;
}

QString report(const Failure& failure, const std::vector<Action>& actions) {
    return failure.message + QStringLiteral("\n  the sequence (%1 steps):\n").arg(actions.size()) +
           describe(actions);
}

}  // namespace walk
