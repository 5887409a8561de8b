#pragma once

#include <QPersistentModelIndex>
#include <QString>
#include <map>
#include <utility>

#include "walk/values.h"

namespace walk {

class Program;
struct Action;

// What How It Works must show after each action, kept apart from its own records: every moment
// as first lived (the values and the Watch), what its Code pane shows, and who changed what.
class Expectations {
  public:
    // The first fault found after `done`, or empty.
    QString check(Program& program, const Action& done);

  private:
    struct Moment {
        Snapshot values;
        std::map<QString, std::pair<QString, QString>> watch;  // name: value, changed by
    };
    enum class CodeShows { Unknown, LastHandler, ChosenRow };

    QString checkMoments(Program& program, const Action& done);
    QString checkWatch(Program& program, const Moment* then);
    QString checkCode(Program& program);
    void followCode(Program& program, const Action& done, bool travelled);
    Moment momentNow(Program& program) const;

    std::map<int, Moment> moments_;  // by the timeline's place while paused
    bool shown_ = false;
    int place_ = -1, undone_ = 0, runs_ = -1;
    long handlers_ = 0;
    CodeShows code_ = CodeShows::Unknown;
    // The run followed ("frmAnimate::x_Click", "Made by you"), or the chosen row's handler as its
    // column says it ("frmAnimate.x_Click(1)").
    QString codeOf_;
    QPersistentModelIndex current_;
    bool follow_ = true;
};

}  // namespace walk
