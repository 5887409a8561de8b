// How It Works going back and forth in time: each step shows the run it went over.
#include <algorithm>
#include <cstdlib>

#include "platform/how_it_works/how_it_works.h"
#include "platform/how_it_works/panes/code_pane.h"
#include "platform/how_it_works/panes/events_view.h"
#include "platform/how_it_works/panes/time_bar.h"

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

}  // namespace forms
