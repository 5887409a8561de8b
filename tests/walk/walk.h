#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "walk/actions.h"

namespace walk {

// The first fault of a sequence: the step (from 0) and what was wrong; none while step < 0.
struct Failure {
    int step = -1;
    QString message;

    bool failed() const { return step >= 0; }
    // What kind of fault: the words before the colon ("snapshot", "Code pane").
    QString kind() const { return message.section(QLatin1Char(':'), 0, 0); }
};

// Told of each action before it is done, and of the sequence's end, for a run in another process.
using ActionLog = std::function<void(const Action&)>;

// The steps run in this process so far, all sequences together.
long stepsRun();

// On a fresh program, each action and then every check; stops at the first fault.
Failure replay(const std::vector<Action>& actions, const ActionLog& log = {});
// `steps` random actions from a seed, kept in `done`.
Failure walkRandom(std::uint32_t seed, int steps, std::vector<Action>& done,
                   const ActionLog& log = {});

// The shortest sequence still failing the same way: halves, then quarters and so on down to
// single steps removed, until no step can go.
std::vector<Action> shrink(std::vector<Action> failing,
                           const std::function<bool(const std::vector<Action>&)>& stillFails);

// "step 7 (pause): snapshot: ..." and the sequence, one action a line.
QString report(const Failure& failure, const std::vector<Action>& actions);

}  // namespace walk
