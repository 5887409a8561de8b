// How It Works going back and forth in time: each step shows the run it went over.
#include <algorithm>
#include <cstdlib>

#include "platform/how_it_works/how_it_works.h"
#include "platform/how_it_works/panes/code_pane.h"
#include "platform/how_it_works/panes/events_view.h"
#include "platform/how_it_works/panes/time_bar.h"
#include "platform/runtime/runtime.h"

namespace forms {

// Back or forward in time over that many runs: the windows show what they showed then, and
// the last run gone over has its row chosen, its code shown and its controls lit, once.
int HowItWorks::travel(int runs) {
    const History& history = recorder_.history();
    const auto before = static_cast<std::ptrdiff_t>(history.moment());
    const auto to =
        std::clamp<std::ptrdiff_t>(before + runs, 0, static_cast<std::ptrdiff_t>(history.runs()));
    if (!recorder_.goTo(static_cast<std::size_t>(to))) return 0;
    const int moved = static_cast<int>(std::abs(to - before));
    // Back, the run just undone; forward, the run just done again.
    const std::size_t done = history.moment();
    showRun(runs < 0 ? done : done - 1);
    return moved;
}

// A run changed a value marked in the Watch: time stops right after it, with it shown.
void HowItWorks::pauseAtMarkedChange(std::size_t run) {
    timeBar_->pause();
    showRun(run);
}

// The panes brought up to date, and one run shown: its row chosen, its handler with the lines
// of its changes marked (or who made it, where no handler did), and what it changed lit.
void HowItWorks::showRun(std::size_t run) {
    showFrame();
    const History& history = recorder_.history();
    const int place = recorder_.log().placeOf(history.rowOf(run));
    if (place < 0) return;
    const EventLog::Row& row = recorder_.log().row(place);
    if (!effectShown(row.effect)) return;
    events_->choose(place);
    const auto code = code_ ? code_->find(row.form, row.handler) : std::nullopt;
    showCode(row, code ? history.linesOf(run, code->file) : QList<int>{});
    QStringList controls = history.ownersChangedBy(run);
    controls << EventLog::controlOf(row);
    outline_.flash(controls, this);
}

// Time goes to a run: paused, with the moment just after it, and the run shown.
void HowItWorks::goToRun(std::size_t run) {
    timeBar_->pause();
    const auto moment = static_cast<std::ptrdiff_t>(recorder_.history().moment());
    travel(static_cast<int>(static_cast<std::ptrdiff_t>(run) + 1 - moment));
    showRun(run);
}

// A line's count chosen: its latest run up to the moment, or its run before the one shown or
// the first still to come; the cursor stays on the line for the next.
void HowItWorks::runOfLineChosen(int file, int line, RunOfLine which) {
    if (runtime_.boxOpen()) return showMessage(QStringLiteral("A box is open: answer it first"));
    const History& history = recorder_.history();
    const std::size_t moment = history.moment();
    std::optional<std::size_t> run;
    if (which == RunOfLine::Latest) run = history.lastRunOfLine(file, line, moment);
    if (which == RunOfLine::Previous && moment > 0)
        run = history.lastRunOfLine(file, line, moment - 1);
    if (which == RunOfLine::Next) run = history.nextRunOfLine(file, line, moment);
    if (!run)
        return showMessage(which == RunOfLine::Next
                               ? QStringLiteral("Line %1 makes no changes after this").arg(line)
                               : QStringLiteral("Line %1 made no changes before this").arg(line));
    goToRun(*run);
    codePane_->putCursorOn(file, line);
}

}  // namespace forms
