#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace forms {

// The name a learner knows a part of the program by, for the code file that makes it
// ("rollover_menu.cpp": "Roll-over menu").
struct NamedPart {
    const char* file;
    const char* name;
};

// The program's own code as its code file holds it: each source file under a heading line
// "==== path ====". Each file that defines handlers (methods named object_Event) stands for one
// part of the program, an effect, named after the file and described by the comment that heads
// it; every method a file defines can be found by its form and name.
class CodeIndex {
  public:
    struct File {
        QString path;         // "forms/animate/bouncing_ball.cpp", as its heading gives it
        QString title;        // "Bouncing ball"
        QString headComment;  // the file's first comment, as one paragraph
        QStringList lines;    // the file's text, a line each
        bool definesHandlers = false;
    };
    // Where a method is defined: its file and its lines there (with the comment right above it).
    struct Place {
        int file;
        int firstLine;
        int lastLine;
    };

    explicit CodeIndex(const QString& text);

    const std::vector<File>& files() const { return files_; }
    std::optional<Place> find(const QString& form, const QString& method) const;
    // Every method's place, by "form::method".
    const QHash<QString, Place>& places() const { return places_; }
    // The files that define handlers, each with its name: first those `named` names, in that
    // order, then the others under their titles.
    std::vector<std::pair<QString, int>> parts(const std::vector<NamedPart>& named) const;

  private:
    void addFile(const QString& path, QStringList lines);
    void indexDefinitions(int file);

    std::vector<File> files_;
    QHash<QString, Place> places_;  // by "form::method"
};

// "bouncing_ball.cpp" to "Bouncing ball"; a name not written in snake case stays as it is.
QString titleOf(const QString& path);

}  // namespace forms
