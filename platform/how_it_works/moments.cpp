// How It Works going back and forth in time: each run of the history shown as the moment it was.
#include <cstdlib>

#include "platform/how_it_works/code_pane.h"
#include "platform/how_it_works/events_view.h"
#include "platform/how_it_works/how_it_works.h"
#include "platform/how_it_works/time_bar.h"

namespace forms {

// Back or forward in time over that many runs: the windows show what they showed then, and
// the run of that moment has its row chosen, its code shown and its control lit, once.
int HowItWorks::travel(int runs) {
    int moved = 0;
    while (moved < std::abs(runs) && (runs < 0 ? recorder_.stepBack() : recorder_.stepForward()))
        ++moved;
    if (moved > 0) showMoment();
    return moved;
}

// The run at the moment shown: the newest not stepped back over, or, with all stepped back,
// the oldest.
void HowItWorks::showMoment() {
    const History& history = recorder_.history();
    const std::size_t done = history.runs() - history.undone();
    showRun(history.rowOf(done > 0 ? done - 1 : 0));
}

// A run changed a value marked in the Watch: time stops right after it, with its row chosen.
void HowItWorks::pauseAtMarkedChange(qint64 row) {
    timeBar_->pause();
    showRun(row);
}

// The panes brought up to date, and the row (by its number) chosen with its code shown.
void HowItWorks::showRun(qint64 row) {
    showFrame();
    const int place = recorder_.log().placeOf(row);
    if (place < 0) return;
    events_->choose(place);
    showCodeOf(recorder_.log().row(place));
}

}  // namespace forms
