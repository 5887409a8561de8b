#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/how_it_works/panes/numbered_code.h"
#include "platform/how_it_works/records/code_index.h"

class QLabel;
class QTextDocument;

namespace forms {

// The code of one handler: its file, scrolled to it, its lines marked, under the comment that
// heads the file. Asked again for what it shows, it sets nothing: handlers that run many times a
// second cost it nothing. Each file is made a document once and kept, so that switching between
// files lays out only the lines in sight and changes no layout around them.
class CodePane final : public QWidget {
  public:
    // Without the program's code, it says so and names where it was looked for.
    CodePane(const CodeIndex* code, const QString& codePath, QWidget* parent);

    // The method's lines, marked lightly, and among them the lines in `strong` (counted from 1)
    // marked strongly: the statements that made a run's changes.
    void showMethod(const QString& form, const QString& method, const QList<int>& strong = {});
    // A file of the code from its top, nothing marked: an effect none of whose handlers ran.
    void showFileOf(int file);
    // In place of code, who made a change no handler made ("by the user"): there is none.
    void showNoCode(const QString& author);
    // One line of a file (counted from 1), scrolled to and marked alone.
    void showLine(int file, int line);
    QPlainTextEdit* text() const { return text_; }
    // Beside each marked line, how many runs it made changes in, as `runsOf` counts them for
    // a file and line (from 1): counted again whenever other lines are marked, and on recount().
    void countRunsWith(std::function<int(int file, int line)> runsOf) {
        runsOf_ = std::move(runsOf);
    }
    void recount();
    // Told of a line whose runs the user asks for, by its count or its keys.
    void onRunOfLineChosen(std::function<void(int file, int line, RunOfLine which)> chosen);
    // The text cursor on a line of the file shown, kept in sight; nothing for another file.
    void putCursorOn(int file, int line);
    // The room that shows the longest handler whole: its text with the numbers, frame and
    // scroll bar around it, and the tallest heading above.
    QSize roomForLongestHandler() const;
    // The height that shows the longest handler whole in a pane `width` wide that wraps lines.
    int heightForLongestHandler(int width) const;
    // Wraps lines longer than the pane is wide, for a narrow window, or lets them run on.
    void wrapLines(bool wrap);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showFile(int file);
    void showNote(const QString& note);
    QTextDocument* documentOf(int file);
    void mark(int first, int last, const QList<int>& strong);
    QSize roomAroundText() const;
    void reserveHeadingHeight();

    const CodeIndex* code_;
    QLabel* heading_;
    NumberedCode* text_;
    QTextDocument* note_;                    // a line that shows where no file can
    std::vector<QTextDocument*> documents_;  // a file's, once shown; the text's children
    QString shownForm_, shownMethod_;
    QList<int> shownStrong_;
    int shownFile_ = -1;
    std::function<int(int, int)> runsOf_;
};

}  // namespace forms
