#pragma once

#include <QString>
#include <random>
#include <vector>

namespace walk {

class Program;

// One thing a learner does, on the main window or in How It Works.
struct Action {
    enum class Kind {
        Click,            // a control of the main window, by name, at its centre
        PointerTo,        // over a pointer effect's control, by name, or off them (no name)
        SpeedKey,         // a key on the speed bar: a change by the user
        MenuItem,         // the pointer to a menu picture, then a click on its lit item
        CloseCodeViewer,  // its Close button
        F1,               // opens How It Works, or hides it
        Wait,             // time passes
        Pause,
        Step,
        StepBack,
        Timeline,  // to a place, in thousandths of its span
        Follow,
        Effect,
        ChooseRow,
        ChooseChange,  // Right or Left on the Events
        ChooseEntry,
        CheckEntry,  // number 1 checks, 0 unchecks
        TypeValue,
        RoundTrip,  // back over some runs and forward over as many
    };
    Kind kind;
    int number = 0;
    QString name;
    QString text;

    QString describe() const;
    // One line, for a file that carries a sequence from one process to another.
    QString serialize() const;
    static Action deserialize(const QString& line);
    // Whether it may drop the runs stepped back over (a new run, or ending Pause).
    bool mayDropRuns() const;
};

// A learner's next action, picked at random from what the windows offer now.
Action pickAction(std::mt19937& random, Program& program);

// Does it; a round trip also checks that it came back to what showed. The fault found, or empty.
QString perform(Program& program, const Action& action);

QString describe(const std::vector<Action>& actions);

// The vocabulary, for fixed sequences.
namespace act {
Action click(const char* control);
Action pointerTo(const char* control);  // "" for off the pointer effects
Action speedKey(int key);
Action menuItem(int index);
Action closeCodeViewer();
Action f1();
Action wait(int ms);
Action togglePause();
Action step();
Action stepBack();
Action timeline(int thousandths);
Action follow();
Action effect(int index);
Action chooseRow(int row);
Action chooseRowMadeBy(const char* author);  // the latest row that says "(by the user)", say
Action chooseChange(int direction);
Action chooseEntry(const char* name);
Action checkEntry(const char* name, bool checked);
Action type(const char* name, const char* text);
Action roundTrip(int runs);
}  // namespace act

}  // namespace walk
