#pragma once

#include <QString>
#include <QWidget>

#include "platform/how_it_works/code_index.h"

class QLabel;
class QPlainTextEdit;

namespace forms {

// The code of one handler: its file, scrolled to it, its lines marked, under the comment that
// heads the file. Asked again for what it shows, it sets nothing: handlers that run many times a
// second cost it nothing, and switching between files changes no layout.
class CodePane final : public QWidget {
  public:
    // Without the program's code, it says so and names where it was looked for.
    CodePane(const CodeIndex* code, const QString& codePath, QWidget* parent);

    // The method's lines, marked lightly, and among them the lines in `strong` (counted from 1)
    // marked strongly: the statements that made a run's changes.
    void showMethod(const QString& form, const QString& method, const QList<int>& strong = {});
    // One line of a file (counted from 1), scrolled to and marked alone.
    void showLine(int file, int line);
    QPlainTextEdit* text() const { return text_; }
    // The room that shows the longest handler whole: its text with the numbers, frame and
    // scroll bar around it, and the tallest heading above.
    QSize roomForLongestHandler() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showFile(int file);
    void mark(int first, int last, const QList<int>& strong);
    void reserveHeadingHeight();

    const CodeIndex* code_;
    QLabel* heading_;
    QPlainTextEdit* text_;
    QString shownForm_, shownMethod_;
    QList<int> shownStrong_;
    int shownFile_ = -1;
};

}  // namespace forms
