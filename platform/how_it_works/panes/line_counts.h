#pragma once

#include <QString>
#include <functional>
#include <map>

namespace forms {

// Which of a line's runs to go to, from the moment shown: its latest at or before it, the one
// before the run shown, or the first still to come.
enum class RunOfLine { Latest, Previous, Next };

// How many runs each line of a handler made changes in, up to the moment shown, as the Code
// pane writes them beside the lines: "×3,678". A line that made none has no count.
class LineCounts {
  public:
    LineCounts() = default;
    // Lines `first` to `last` (from 1), each counted by `runsOf`.
    static LineCounts of(int first, int last, const std::function<int(int line)>& runsOf);

    int runsOf(int line) const;
    const std::map<int, int>& all() const { return runs_; }
    bool operator==(const LineCounts&) const = default;

    // "×3,678"
    static QString text(int runs);
    // "line 30, made changes in 3,678 runs"; the line alone where it made none.
    static QString words(int line, int runs);

  private:
    std::map<int, int> runs_;  // by line
};

}  // namespace forms
