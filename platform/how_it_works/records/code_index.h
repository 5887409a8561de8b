#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace forms {

// The name a learner knows an effect by, for the code file that makes it
// ("rollover_menu.cpp": "Roll-over menu").
struct NamedEffect {
    const char* file;
    const char* name;
};

// The program's own code as its code file holds it: each source file under a heading line
// "==== path ====". Each file that defines handlers (methods named object_Event) stands for one
// effect, named after the file and described by the comment that heads it; every method a
// file defines can be found by its form and name.
class CodeIndex {
  public:
    struct File {
        QString path;         // "forms/animate/bouncing_ball.cpp", as its heading gives it
        QString title;        // "Bouncing ball"
        QString headComment;  // the file's first comment, as one paragraph
        QStringList lines;    // the file's text, a line each
        bool definesHandlers = false;
    };
    // Where a method is defined: its file and its lines there (with the comment right above it),
    // counted from 0: line n of the file is lines[n - 1].
    struct Place {
        int file;
        int firstLine;
        int lastLine;
    };

    explicit CodeIndex(const QString& text);

    const std::vector<File>& files() const { return files_; }
    std::optional<Place> find(const QString& form, const QString& method) const;
    // The file a compiler named by this path ("/src/forms/animate/bouncing_ball.cpp"), or -1.
    int fileOf(const char* compiledPath) const;
    // The first line, counted from 1, of the statement that goes on at `line` of `file`: a
    // compiler may name the line where the value written starts.
    int statementStart(int file, int line) const;
    // The first line of a method that holds `text`, counted from 0 in its file, or -1.
    int lineIn(const Place& method, const QString& text) const;
    // Every method's place.
    const std::vector<Place>& places() const { return places_; }
    // The files that define handlers, each with its name: first those `named` names, in that
    // order, then the others under their titles.
    std::vector<std::pair<QString, int>> effects(const std::vector<NamedEffect>& named) const;

  private:
    void addFile(const QString& path, QStringList lines);
    void indexDefinitions(int file);
    void indexStatementStarts(int file);

    std::vector<File> files_;
    std::vector<Place> places_;
    QHash<QString, QHash<QString, Place>> byForm_;   // by form, then method: found with no new text
    mutable QHash<const char*, int> compiledFiles_;  // fileOf's answers, by the compiler's path
    // By file, then line from 1 (and one past the last): where the statement there starts.
    std::vector<std::vector<int>> statementStarts_;
};

// "bouncing_ball.cpp" to "Bouncing ball"; a name not written in snake case stays as it is.
QString titleOf(const QString& path);

}  // namespace forms
